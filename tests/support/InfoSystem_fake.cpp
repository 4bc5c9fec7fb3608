#include "support/FakeInfoSystem.h"

namespace testing_support::fake_info_system {

namespace {

constexpr int kGerman = 7;

FakeInfoSystem& TheSystem() {
    static FakeInfoSystem system;
    return system;
}

} // namespace

FakeInfoSystem& Reset() {
    TheSystem() = {};
    TheSystem().system.primaryLanguage = kGerman;
    return TheSystem();
}

} // namespace testing_support::fake_info_system

namespace dialogs {

InfoSystem TheInfoSystem() {
    return testing_support::fake_info_system::TheSystem().system;
}

bool OpenDocument(const std::string& file, platform::Showing showing) {
    auto& fake = testing_support::fake_info_system::TheSystem();
    fake.opened.push_back(file);
    fake.showings.push_back(showing);
    return !fake.refusing;
}

} // namespace dialogs
