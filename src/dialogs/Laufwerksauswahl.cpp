#include "dialogs/Laufwerksauswahl.h"

#include "config/IniFile.h"
#include "core/Launch.h"

namespace dialogs {

namespace {

constexpr const char* kSection = "laufwerksform";

} // namespace

// An unreadable file is told by the hub, which reads it first.
int StoredDriveMode(const std::string& iniPath) {
    try {
        const config::IniFile ini(iniPath);
        if (!ini.ReadBool(kSection, "SektionVorhanden", false)) {
            return core::kDriveModeProgramDrive;
        }
        return ini.ReadInteger(kSection, "laufwerkmode", core::kDriveModeProgramDrive);
    } catch (const config::IniFileError&) {
        return core::kDriveModeProgramDrive;
    }
}

} // namespace dialogs
