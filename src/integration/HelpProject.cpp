#include "integration/HelpProject.h"

#include <algorithm>
#include <cctype>
#include <vector>

namespace integration {

namespace {

std::string Trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

// The words of a line between blanks and tabs. (No string streams: in the statically linked
// Windows program they would bring in the whole locale machinery.)
std::vector<std::string> Words(const std::string& line) {
    std::vector<std::string> words;
    for (size_t at = line.find_first_not_of(" \t"); at != std::string::npos;) {
        const size_t end = line.find_first_of(" \t", at);
        words.push_back(line.substr(at, end == std::string::npos ? end : end - at));
        at = end == std::string::npos ? end : line.find_first_not_of(" \t", end);
    }
    return words;
}

// "#define NAME 900" -> NAME, 900; false for any other line, and for a number of more than
// nine digits.
bool ReadDefine(const std::string& line, std::string& name, int& number) {
    const std::vector<std::string> words = Words(line);
    if (words.size() < 3 || words[0] != "#define" || words[2].empty() || words[2].size() > 9) {
        return false;
    }
    number = 0;
    for (const char digit : words[2]) {
        if (!std::isdigit(static_cast<unsigned char>(digit))) {
            return false;
        }
        number = number * 10 + (digit - '0');
    }
    name = words[1];
    return true;
}

} // namespace

std::map<int, std::string> HelpTopicPages(std::string_view project) {
    std::map<std::string, int> numbers;
    std::map<std::string, std::string> pages;
    std::string section;
    for (size_t start = 0; start < project.size();) {
        const size_t end = std::min(project.find('\n', start), project.size());
        const std::string line = Trimmed(std::string(project.substr(start, end - start)));
        start = end + 1;
        if (line.size() > 1 && line.front() == '[' && line.back() == ']') {
            section = line.substr(1, line.size() - 2);
        } else if (section == "MAP") {
            std::string name;
            int number = 0;
            if (ReadDefine(line, name, number)) {
                numbers[name] = number;
            }
        } else if (section == "ALIAS") {
            const auto equals = line.find('=');
            if (equals != std::string::npos) {
                pages[Trimmed(line.substr(0, equals))] = Trimmed(line.substr(equals + 1));
            }
        }
    }
    std::map<int, std::string> topics;
    for (const auto& [name, number] : numbers) {
        if (const auto page = pages.find(name); page != pages.end() && !page->second.empty()) {
            topics[number] = page->second;
        }
    }
    return topics;
}

} // namespace integration
