#include "platform/ParameterText.h"

namespace platform {

// The splitting of ShellWords: blanks separate, quotes and backslashes quote. Single quotes keep
// everything but a single quote, which is closed, escaped and opened again.
std::string ParameterText(const std::string& path) {
    if (path.find_first_of(" \t\r\n'\"\\") == std::string::npos) {
        return path;
    }
    std::string quoted = "'";
    for (const char c : path) {
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return quoted + "'";
}

} // namespace platform
