#include "platform/Drive.h"

namespace platform {

namespace {

bool IsLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}
bool IsSlash(char c) {
    return c == '\\' || c == '/';
}

} // namespace

std::string WindowsDriveText(std::string_view path) {
    if (path.size() >= 2 && IsLetter(path[0]) && path[1] == ':') {
        return std::string(path.substr(0, 2));
    }
    if (path.size() >= 2 && IsSlash(path[0]) && IsSlash(path[1])) {
        // Up to, not including, the separator after the share name.
        size_t separators = 0;
        size_t end = 2;
        while (end < path.size()) {
            if (IsSlash(path[end]) && ++separators == 2) {
                break;
            }
            ++end;
        }
        return std::string(path.substr(0, end));
    }
    return {};
}

} // namespace platform
