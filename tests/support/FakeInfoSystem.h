// The system as the info dialog's fake plays it (InfoSystem_fake.cpp): the values a test sets,
// and every document or address the dialog opens recorded instead of opened.
#pragma once

#include "dialogs/InfoSystem.h"

#include <string>
#include <vector>

namespace testing_support::fake_info_system {

struct FakeInfoSystem {
    // What the dialog reads when it opens; after Reset a German user, nothing else set.
    dialogs::InfoSystem system;
    // What it asked to open since the last Reset, in order, and how.
    std::vector<std::string> opened;
    std::vector<platform::Showing> showings;
    // No handler takes a document: every open fails.
    bool refusing = false;
};

// Forgets what was set and opened; returns the one system the dialog reads.
FakeInfoSystem& Reset();

} // namespace testing_support::fake_info_system
