// The help as the recording backend plays it (HelpTopics_recorded.cpp): no window comes up; the
// context numbers asked for are kept, in order.
#pragma once

#include <vector>

namespace testing_support::recorded_help {

// Forgets what was asked; returns the numbers every later request is added to.
std::vector<int>& Reset();

} // namespace testing_support::recorded_help
