#include "integration/DesktopEntryFile.h"

#include "integration/DesktopEntry.h"
#include "platform/Text.h"

#include <map>

namespace integration {

namespace {

// The keys of the "[Desktop Entry]" group; localised keys (Name[de]) and comments are skipped.
std::map<std::string, std::string, std::less<>> MainGroup(std::string_view text) {
    std::map<std::string, std::string, std::less<>> keys;
    bool inMain = false;
    while (!text.empty()) {
        const auto end = text.find('\n');
        const std::string line = platform::Trim(text.substr(0, end));
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (line.empty() || line.front() == '#') {
            continue;
        }
        if (line.front() == '[') {
            inMain = line == "[Desktop Entry]";
            continue;
        }
        const auto equals = line.find('=');
        if (!inMain || equals == std::string::npos) {
            continue;
        }
        const std::string key = platform::Trim(std::string_view(line).substr(0, equals));
        if (key.find('[') == std::string::npos) {
            keys.emplace(key, platform::Trim(std::string_view(line).substr(equals + 1)));
        }
    }
    return keys;
}

// The Exec value without its field codes; "%%" stays for the splitting to read as "%".
std::string WithoutFieldCodes(std::string_view exec) {
    std::string kept;
    for (size_t i = 0; i < exec.size(); ++i) {
        if (exec[i] == '%' && i + 1 < exec.size()) {
            if (exec[i + 1] == '%') {
                kept += "%%";
            }
            ++i;
            continue;
        }
        kept += exec[i];
    }
    return kept;
}

std::string Value(const std::map<std::string, std::string, std::less<>>& keys,
                  std::string_view key) {
    const auto found = keys.find(key);
    if (found == keys.end()) {
        return {};
    }
    return UnescapedValue(found->second).value_or(std::string());
}

} // namespace

std::optional<DesktopEntryLaunch> ReadDesktopEntryLaunch(std::string_view text) {
    const auto keys = MainGroup(text);
    const auto type = keys.find("Type");
    const auto exec = keys.find("Exec");
    if (type == keys.end() || type->second != "Application" || exec == keys.end()) {
        return std::nullopt;
    }
    std::optional<std::vector<std::string>> command =
        ParseExecValue(WithoutFieldCodes(exec->second));
    if (!command || command->empty()) {
        return std::nullopt;
    }
    return DesktopEntryLaunch{std::move(*command), Value(keys, "Path"), Value(keys, "Icon")};
}

} // namespace integration
