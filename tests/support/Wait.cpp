#include "support/Wait.h"

#include <chrono>
#include <thread>

namespace testing_support {

bool Eventually(const std::function<bool()>& condition, int seconds,
                const std::function<void()>& pause) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    while (!condition()) {
        if (std::chrono::steady_clock::now() > end) {
            return false;
        }
        if (pause) {
            pause();
        } else {
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
    }
    return true;
}

} // namespace testing_support
