#include "support/FakeStarts.h"

namespace testing_support::fake_starts {

namespace {

struct System {
    std::vector<core::StartRequest> requests;
    bool refusing = false;
};

System& TheSystem() {
    static System system;
    return system;
}

} // namespace

void Reset() {
    TheSystem() = {};
}

void RefuseAll() {
    TheSystem().refusing = true;
}

const std::vector<core::StartRequest>& Requests() {
    return TheSystem().requests;
}

} // namespace testing_support::fake_starts

namespace core {

bool StartProgram(const StartRequest& request) {
    auto& system = testing_support::fake_starts::TheSystem();
    system.requests.push_back(request);
    return !system.refusing;
}

} // namespace core
