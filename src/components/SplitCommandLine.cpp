#include "components/SplitCommandLine.h"

namespace components {

std::vector<std::string> SplitCommandLine(std::string_view text) {
    std::vector<std::string> words;
    size_t pos = 0;
    while (pos < text.size()) {
        const size_t start = pos;
        bool quoted = false;
        while (pos < text.size() && (quoted || text[pos] != ' ')) {
            if (text[pos] == '"') {
                quoted = !quoted;
            }
            ++pos;
        }
        words.emplace_back(text.substr(start, pos - start));
        while (pos < text.size() && text[pos] == ' ') {
            ++pos;
        }
    }
    return words;
}

std::string JoinCommandLine(const std::vector<std::string>& words) {
    std::string line;
    for (const std::string& word : words) {
        if (!line.empty()) {
            line += ' ';
        }
        const bool quote = word.empty() || word.find(' ') != std::string::npos;
        line += quote ? '"' + word + '"' : word;
    }
    return line;
}

} // namespace components
