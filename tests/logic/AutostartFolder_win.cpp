#include "logic/AutostartFolder.h"

#include "platform/FileSystem.h"
#include "platform/Paths.h"
#include "support/ShellFolders_win.h"

namespace testing_support {

struct AutostartFolder::Setting {
    explicit Setting(const std::string& folder) : startup(L"Startup", folder) {}
    ShellFolder startup;
};

AutostartFolder::AutostartFolder(const TestFolder& folder) : folder_(folder.Path("Startup")) {
    platform::CreateDirectories(folder_);
    setting_ = std::make_unique<Setting>(folder_);
}

AutostartFolder::~AutostartFolder() = default;

std::string AutostartFolder::EntryFor(const std::string& program) const {
    return folder_ + "\\" + platform::BaseNameOf(program) + ".lnk";
}

// A Startup folder that does not exist.
void AutostartFolder::Break() {
    setting_.reset();
    setting_ = std::make_unique<Setting>(folder_ + "\\missing");
}

} // namespace testing_support
