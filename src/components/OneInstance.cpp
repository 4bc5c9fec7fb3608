#include "components/OneInstance.h"

#include <cstdio>

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

// FNV-1a: the same path gives the same name in every copy and every build.
std::string HashedGuardName() {
    std::uint64_t hash = 14695981039346656037ull;
    for (unsigned char c : GuardWindowClassName()) {
        hash = (hash ^ c) * 1099511628211ull;
    }
    char name[48];
    std::snprintf(name, sizeof name, "OneInstUtilWnd-%016llx",
                  static_cast<unsigned long long>(hash));
    return name;
}

} // namespace detail

} // namespace components
