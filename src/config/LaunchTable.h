// The 48 key bindings: A-Z (0-25), 0-9 (26-35), F1-F12 (36-47), and their INI sections.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace config {

class IniFile;

constexpr int kSlotCount = 48;

// The slot a typed character starts: a letter of either case A-Z 0-25, a digit 26-35; -1 for
// any other character.
int SlotOfCharacter(char32_t character);
// The slot of a function key's virtual-key code, F1-F12 36-47; -1 for any other key.
int SlotOfFunctionKey(unsigned virtualKey);

struct LaunchSlot {
    std::string Label; // "A: ", "7: ", "F12: "; built at load, never stored
    std::string Path;  // program or folder; empty = unbound
    std::string WorkDir;
    std::string Params;

    bool IsBound() const;
    // The same path, working directory and parameters.
    bool SameBinding(const LaunchSlot& other) const;
};

class LaunchTable {
  public:
    // Copies a slot out; the working directory comes back empty when that folder is missing.
    // An index outside 0-47 gives three empty texts.
    void GetSlot(int index, std::string& path, std::string& workDir, std::string& params) const;
    // Stores the texts unchanged; an index outside 0-47 does nothing.
    void SetSlot(int index, std::string path, std::string workDir, std::string params);
    // The first slot whose label equals label exactly, or -1.
    int SlotIndexOfLabel(std::string_view label) const;

    const LaunchSlot& Slot(int index) const { return slots_.at(static_cast<size_t>(index)); }
    LaunchSlot& Slot(int index) { return slots_.at(static_cast<size_t>(index)); }

    void BuildKeyListText();
    const std::string& KeyListText() const { return keyListText_; }

  private:
    std::array<LaunchSlot, kSlotCount> slots_;
    std::string keyListText_;
};

// Where the table lives: the per-user file, or in portable mode the file beside the program,
// whose drive letters then follow the drive the program runs from.
struct LaunchFile {
    std::string path;
    std::string launchDrive; // empty: paths are used as stored
};

LaunchFile LaunchFileFor(bool portableMode, const std::string& iniPath,
                         const std::string& programPath);

// Throws config::IniFileError when the file exists but cannot be read; the table is then kept.
void LoadLaunchTable(LaunchTable& table, const LaunchFile& file);
// The same from a file read already.
void ReadLaunchTable(LaunchTable& table, const IniFile& ini, const std::string& launchDrive);
// False when the file could not be written; it is then left as it was. Throws
// config::IniFileError when the file exists but cannot be read.
bool SaveLaunchTable(const LaunchTable& table, const LaunchFile& file);

// Moves every slot's path and working directory from the leading drive oldDrive to newDrive, in
// memory; the number of slots whose path moved (working directories do not count).
int SwitchDrive(LaunchTable& table, const std::string& oldDrive, const std::string& newDrive);

// Replaces the first as many characters of path as drive has by drive.
void ReplaceDrivePrefix(std::string& path, std::string_view drive);

} // namespace config
