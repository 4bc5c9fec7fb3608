// The file side of storing dialog state: the section marker, the write marker in "Check", the
// ".bak" backup that a damaged file is replaced with, and the launcher window's bounds.
#pragma once

#include "config/IniFile.h"

#include <string>

namespace config {

std::string BackupPathFor(const std::string& iniPath);

// Opens the file for restoring a dialog. A marked file refreshes the backup; an unmarked one
// (a damaged write) is first replaced by the backup. present: the section was written by a save.
struct FormStateSource {
    IniFile ini;
    bool present;
};
FormStateSource OpenFormStateForLoad(const std::string& iniPath, const std::string& section);

// Opens the file for storing a dialog, with the section marker and the write marker set.
IniFile OpenFormStateForSave(const std::string& iniPath, const std::string& section);

struct WindowBounds {
    int width;
    int height;
    int left;
    int top;
};

// The stored bounds, each defaulting to current, pulled onto a screen of the given size so
// that the top-left corner stays at least 32 pixels inside it.
WindowBounds LoadWindowBounds(const std::string& iniPath, const std::string& section,
                              const WindowBounds& current, int screenWidth, int screenHeight);
// False when the file could not be written.
bool SaveWindowBounds(const std::string& iniPath, const std::string& section,
                      const WindowBounds& bounds);

} // namespace config
