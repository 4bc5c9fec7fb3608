#include "helpers/GuardLoop.h"

#include "components/OneInstance.h"

#include <chrono>
#include <poll.h>
#include <unistd.h>

namespace testing_support {

void RunGuardLoop(int seconds) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    while (std::chrono::steady_clock::now() < end) {
        pollfd watched{components::GuardDescriptor(), POLLIN, 0};
        if (::poll(&watched, 1, 50) > 0) {
            components::ServeGuard();
        }
    }
}

std::uint32_t OwnProcessId() {
    return static_cast<std::uint32_t>(::getpid());
}

} // namespace testing_support
