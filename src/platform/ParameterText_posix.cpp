#include "platform/ParameterText.h"

#include "platform/ShellWords.h"

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

std::optional<std::string> SingleParameter(const std::string& text) {
    std::vector<std::string> words = SplitShellWords(text);
    if (words.size() != 1) {
        return std::nullopt;
    }
    return std::move(words[0]);
}

} // namespace platform
