#include "dialogs/InfoSystem.h"

#include "integration/BuildSettings.h"
#include "integration/UpdateSource.h"
#include "platform/DownloadFolder.h"
#include "platform/Locale.h"

namespace dialogs {

InfoSystem TheInfoSystem() {
    InfoSystem system;
    system.version = integration::RunningProgramVersion();
    system.primaryLanguage = platform::UserPrimaryLanguage();
    system.downloadFolder = integration::UpdateFolder();
    system.homepage = integration::build::kHomepage;
    system.mailAddress = integration::build::kMailAddress;
    system.releaseKey = integration::ReleaseKey();
    system.saveFolder = platform::DownloadFolder();
    return system;
}

bool OpenDocument(const std::string& file, platform::Showing showing) {
    return platform::ShellOpen(file, "", "", showing);
}

} // namespace dialogs
