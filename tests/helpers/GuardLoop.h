// The event loop of the guard helper: delivers hand-overs for a number of seconds.
#pragma once

#include <cstdint>

namespace testing_support {

void RunGuardLoop(int seconds);
std::uint32_t OwnProcessId();

} // namespace testing_support
