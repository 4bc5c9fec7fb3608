#include "platform/ParameterText.h"

namespace platform {

// A program's command line splits at blanks outside double quotes; a Windows path holds no
// double quote.
std::string ParameterText(const std::string& path) {
    if (path.find_first_of(" \t") == std::string::npos) {
        return path;
    }
    return '"' + path + '"';
}

// Only the forms ParameterText writes: one pair of double quotes around the whole text, or a
// text without blanks and quotes. Blanks around it separate nothing.
std::optional<std::string> SingleParameter(const std::string& text) {
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) {
        return std::nullopt;
    }
    const std::string word = text.substr(first, text.find_last_not_of(" \t") - first + 1);
    if (word.size() >= 2 && word.front() == '"' && word.find('"', 1) == word.size() - 1) {
        return word.substr(1, word.size() - 2);
    }
    if (word.find_first_of(" \t\"") != std::string::npos) {
        return std::nullopt;
    }
    return word;
}

} // namespace platform
