// A shortcut file that the desktop follows to a program: a shell link (.lnk) on Windows, an
// application's desktop entry (.desktop) on Linux.
#pragma once

#include <optional>
#include <string>

namespace integration {

struct LinkedProgram {
    std::string target;           // the program, document or folder it starts
    std::string arguments;        // as the launcher's parameter text
    std::string workingDirectory; // empty when it names none
};

// Nothing when the file is no shortcut file of the platform, cannot be read or names no file.
std::optional<LinkedProgram> ReadLinkFile(const std::string& path);

} // namespace integration
