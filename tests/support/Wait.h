// Waiting for a state that another process or the window system brings about: the condition is
// asked again in short steps until it holds or the time is up. The limit is generous, so that a
// loaded machine only makes a test slower, never makes it fail.
#pragma once

#include <functional>

namespace testing_support {

// True as soon as condition() holds; false when it still does not after the given seconds.
// Between two asks it sleeps a moment, or runs pause (a thread with windows passes its event
// loop, which must wait itself).
bool Eventually(const std::function<bool()>& condition, int seconds = 30,
                const std::function<void()>& pause = {});

} // namespace testing_support
