#include "integration/HelpProject.h"

#include <cctype>
#include <cstdlib>
#include <sstream>

namespace integration {

namespace {

std::string Trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

// "#define NAME 900" -> NAME, 900; false for any other line.
bool ReadDefine(const std::string& line, std::string& name, int& number) {
    std::istringstream words(line);
    std::string define, digits;
    if (!(words >> define >> name >> digits) || define != "#define" || digits.empty()) {
        return false;
    }
    for (const char digit : digits) {
        if (!std::isdigit(static_cast<unsigned char>(digit))) {
            return false;
        }
    }
    number = std::atoi(digits.c_str());
    return true;
}

} // namespace

std::map<int, std::string> HelpTopicPages(std::string_view project) {
    std::map<std::string, int> numbers;
    std::map<std::string, std::string> pages;
    std::istringstream lines{std::string(project)};
    std::string section;
    for (std::string line; std::getline(lines, line);) {
        line = Trimmed(line);
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
