#include "logic/AutostartFolder.h"

#include "platform/Paths.h"

#include <cstdlib>
#include <filesystem>

namespace testing_support {

// The environment's setting, put back at the end.
struct AutostartFolder::Setting {
    bool was = std::getenv("XDG_CONFIG_HOME") != nullptr;
    std::string value = was ? std::getenv("XDG_CONFIG_HOME") : "";
};

AutostartFolder::AutostartFolder(const TestFolder& folder)
    : setting_(std::make_unique<Setting>()), folder_(folder.Path("config")) {
    SetEnvironment("XDG_CONFIG_HOME", folder_);
}

AutostartFolder::~AutostartFolder() {
    if (setting_->was) {
        SetEnvironment("XDG_CONFIG_HOME", setting_->value);
    } else {
        ::unsetenv("XDG_CONFIG_HOME");
    }
}

std::string AutostartFolder::EntryFor(const std::string& program) const {
    return folder_ + "/autostart/" + platform::BaseNameOf(program) + ".desktop";
}

// A file where the configuration folder should be.
void AutostartFolder::Break() {
    std::filesystem::remove_all(folder_);
    WriteBytes(folder_, "no folder");
}

} // namespace testing_support
