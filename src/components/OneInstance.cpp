#include "components/OneInstance.h"

namespace components {

namespace {

NewInstanceHook& Hook() {
    static NewInstanceHook hook;
    return hook;
}

} // namespace

void SetNewInstanceHook(NewInstanceHook hook) {
    Hook() = std::move(hook);
}

namespace detail {

// Without a hook every new copy is told to stop.
std::uint32_t AnswerHandOver(std::uint32_t processId, const std::string& commandLine) {
    const bool allow = Hook() ? Hook()(processId, commandLine) : false;
    return allow ? kReplyGoOn : kReplyStop;
}

} // namespace detail

} // namespace components
