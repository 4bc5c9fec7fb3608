// The system as the fake starter plays it: every start the program asks for is recorded, and
// the next ones can be refused (no program for the file type, access denied, a "No" to the
// elevation prompt).
#pragma once

#include "core/Starter.h"

#include <vector>

namespace testing_support::fake_starts {

// Forgets what was asked and refuses nothing.
void Reset();
// From now on every start fails, until the next Reset.
void RefuseAll();
// What the program asked the system to start since the last Reset, in order.
const std::vector<core::StartRequest>& Requests();

} // namespace testing_support::fake_starts
