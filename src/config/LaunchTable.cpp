#include "config/LaunchTable.h"

#include "config/IniFile.h"
#include "platform/Drive.h"
#include "platform/FileSystem.h"
#include "platform/Paths.h"
#include "platform/Text.h"

namespace config {

namespace {

constexpr std::string_view kKeyListHeader =
    "Drücke nun folgenden Buchstaben um das Programm zu starten:";

// The INI section and the key names of one slot.
struct SlotKeys {
    std::string_view section;
    std::string name;   // key of the path, and the label without ": "
    std::string suffix; // what follows "V" and "P"
};

SlotKeys KeysOf(int index) {
    if (index < 26) {
        const std::string letter(1, static_cast<char>('A' + index));
        return {"Buchstaben", letter, letter};
    }
    if (index < 36) {
        const std::string digit(1, static_cast<char>('0' + index - 26));
        return {"Zahlen", digit, digit};
    }
    const std::string number = std::to_string(index - 35);
    return {"Funktionstasten", "F" + number, number};
}

bool IsValidIndex(int index) {
    return index >= 0 && index < kSlotCount;
}

} // namespace

int SlotOfCharacter(char32_t character) {
    if (character >= U'a' && character <= U'z') {
        character &= ~0x20u;
    }
    if (character >= U'0' && character <= U'9') {
        return static_cast<int>(character - U'0') + 26;
    }
    if (character >= U'A' && character <= U'Z') {
        return static_cast<int>(character - U'A');
    }
    return -1;
}

int SlotOfFunctionKey(unsigned virtualKey) {
    constexpr unsigned kF1 = 0x70;
    constexpr unsigned kF12 = 0x7B;
    return virtualKey >= kF1 && virtualKey <= kF12 ? static_cast<int>(virtualKey - kF1) + 36 : -1;
}

bool LaunchSlot::IsBound() const {
    return !platform::Trim(Path).empty();
}

bool LaunchSlot::SameBinding(const LaunchSlot& other) const {
    return Path == other.Path && WorkDir == other.WorkDir && Params == other.Params;
}

void LaunchTable::GetSlot(int index, std::string& path, std::string& workDir,
                          std::string& params) const {
    path.clear();
    workDir.clear();
    params.clear();
    if (!IsValidIndex(index)) {
        return;
    }
    const LaunchSlot& slot = Slot(index);
    path = slot.Path;
    workDir = platform::DirectoryExists(slot.WorkDir) ? slot.WorkDir : std::string();
    params = slot.Params;
}

void LaunchTable::SetSlot(int index, std::string path, std::string workDir, std::string params) {
    if (!IsValidIndex(index)) {
        return;
    }
    LaunchSlot& slot = Slot(index);
    slot.Path = std::move(path);
    slot.WorkDir = std::move(workDir);
    slot.Params = std::move(params);
}

int LaunchTable::SlotIndexOfLabel(std::string_view label) const {
    for (int index = 0; index < kSlotCount; ++index) {
        if (Slot(index).Label == label) {
            return index;
        }
    }
    return -1;
}

void LaunchTable::BuildKeyListText() {
    keyListText_ = kKeyListHeader;
    for (const LaunchSlot& slot : slots_) {
        if (slot.IsBound()) {
            keyListText_ += "\r\n" + slot.Label + ' ' + slot.Path;
        }
    }
}

LaunchFile LaunchFileFor(bool portableMode, const std::string& iniPath,
                         const std::string& programPath) {
    if (!portableMode) {
        return {iniPath, {}};
    }
    const std::string drive = platform::DriveText(programPath);
    return {platform::ChangeExtension(programPath, ".ini"),
            platform::IsDriveLetter(drive) ? drive : ""};
}

void LoadLaunchTable(LaunchTable& table, const LaunchFile& file) {
    ReadLaunchTable(table, IniFile(file.path), file.launchDrive);
}

void ReadLaunchTable(LaunchTable& table, const IniFile& ini, const std::string& launchDrive) {
    for (int index = 0; index < kSlotCount; ++index) {
        const SlotKeys keys = KeysOf(index);
        LaunchSlot& slot = table.Slot(index);
        slot.Label = keys.name + ": ";
        slot.Path = ini.ReadString(keys.section, keys.name, "");
        slot.WorkDir = ini.ReadString(keys.section, "V" + keys.suffix, "");
        slot.Params = ini.ReadString(keys.section, "P" + keys.suffix, "");
        if (!launchDrive.empty()) {
            for (std::string* entry : {&slot.Path, &slot.WorkDir}) {
                if (platform::IsDriveLetter(platform::WindowsDriveText(*entry))) {
                    ReplaceDrivePrefix(*entry, launchDrive);
                }
            }
        }
    }
    table.BuildKeyListText();
}

int SwitchDrive(LaunchTable& table, const std::string& oldDrive, const std::string& newDrive) {
    int count = 0;
    for (int index = 0; index < kSlotCount; ++index) {
        LaunchSlot& slot = table.Slot(index);
        if (platform::SwitchDrivePrefix(slot.Path, oldDrive, newDrive)) {
            ++count;
        }
        platform::SwitchDrivePrefix(slot.WorkDir, oldDrive, newDrive);
    }
    return count;
}

// A file that cannot be read throws before anything is written: its content would be lost.
bool SaveLaunchTable(const LaunchTable& table, const LaunchFile& file) {
    IniFile ini(file.path);
    for (std::string_view section : {"Buchstaben", "Zahlen", "Funktionstasten"}) {
        ini.EraseSection(section);
    }
    for (int index = 0; index < kSlotCount; ++index) {
        const SlotKeys keys = KeysOf(index);
        const LaunchSlot& slot = table.Slot(index);
        ini.WriteString(keys.section, keys.name, slot.Path);
        ini.WriteString(keys.section, "V" + keys.suffix, slot.WorkDir);
        ini.WriteString(keys.section, "P" + keys.suffix, slot.Params);
    }
    return ini.UpdateFile();
}

void ReplaceDrivePrefix(std::string& path, std::string_view drive) {
    path = std::string(drive) + (drive.size() < path.size() ? path.substr(drive.size()) : "");
}

} // namespace config
