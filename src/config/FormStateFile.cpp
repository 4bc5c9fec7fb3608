#include "config/FormStateFile.h"

#include "platform/FileSystem.h"
#include "platform/Paths.h"

#include <algorithm>

namespace config {

namespace {

constexpr const char* kPresentKey = "SektionVorhanden";
constexpr const char* kCheckSection = "Check";
constexpr const char* kWrittenKey = "WroteSuccesful";

} // namespace

std::string BackupPathFor(const std::string& iniPath) {
    return platform::ChangeExtension(iniPath, ".bak");
}

FormStateSource OpenFormStateForLoad(const std::string& iniPath, const std::string& section) {
    IniFile ini(iniPath);
    const std::string backup = BackupPathFor(iniPath);
    if (ini.ReadInteger(kCheckSection, kWrittenKey, 0) != 0) {
        platform::CopyFileOver(iniPath, backup);
    } else if (platform::FileExists(backup) && platform::CopyFileOver(backup, iniPath)) {
        ini = IniFile(iniPath);
    }
    const bool present = ini.ReadBool(section, kPresentKey, false);
    return {std::move(ini), present};
}

IniFile OpenFormStateForSave(const std::string& iniPath, const std::string& section) {
    IniFile ini(iniPath);
    ini.WriteBool(section, kPresentKey, true);
    ini.WriteInteger(kCheckSection, kWrittenKey, 1);
    return ini;
}

WindowBounds LoadWindowBounds(const std::string& iniPath, const std::string& section,
                              const WindowBounds& current, int screenWidth, int screenHeight) {
    const IniFile ini(iniPath);
    WindowBounds bounds{};
    bounds.width =
        std::max(std::min(screenWidth - 32, ini.ReadInteger(section, "Width", current.width)), 32);
    bounds.height = std::min(screenHeight - 32,
                             std::max(ini.ReadInteger(section, "Height", current.height), 32));
    bounds.left =
        std::min(std::max(ini.ReadInteger(section, "Left", current.left), 0), screenWidth - 32);
    bounds.top =
        std::min(std::max(ini.ReadInteger(section, "Top", current.top), 0), screenHeight - 32);
    return bounds;
}

bool SaveWindowBounds(const std::string& iniPath, const std::string& section,
                      const WindowBounds& bounds) {
    IniFile ini(iniPath);
    ini.WriteInteger(section, "Width", bounds.width);
    ini.WriteInteger(section, "Height", bounds.height);
    ini.WriteInteger(section, "Left", bounds.left);
    ini.WriteInteger(section, "Top", bounds.top);
    return ini.UpdateFile();
}

} // namespace config
