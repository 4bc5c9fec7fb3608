#include "platform/Paths.h"

namespace platform {

namespace {

size_t FileNameStart(std::string_view path) {
    for (size_t i = path.size(); i > 0; --i) {
        if (IsPathSeparator(path[i - 1]) || (PathSeparator() == '\\' && path[i - 1] == ':')) {
            return i;
        }
    }
    return 0;
}

// Position of the last "." in the file name, or npos.
size_t ExtensionStart(std::string_view path) {
    const size_t dot = path.rfind('.');
    return (dot == std::string_view::npos || dot < FileNameStart(path)) ? std::string_view::npos
                                                                        : dot;
}

} // namespace

std::string FileNameOf(std::string_view path) {
    return std::string(path.substr(FileNameStart(path)));
}

std::string ExtensionOf(std::string_view path) {
    const size_t dot = ExtensionStart(path);
    return dot == std::string_view::npos ? std::string() : std::string(path.substr(dot));
}

std::string BaseNameOf(std::string_view path) {
    const std::string name = FileNameOf(path);
    return name.substr(0, name.size() - ExtensionOf(name).size());
}

std::string ChangeExtension(std::string_view path, std::string_view extension) {
    const size_t dot = ExtensionStart(path);
    std::string result(path.substr(0, dot == std::string_view::npos ? path.size() : dot));
    return result.append(extension);
}

std::string WithTrailingSeparator(std::string_view folder) {
    std::string result(folder);
    if (result.empty() || !IsPathSeparator(result.back())) {
        result += PathSeparator();
    }
    return result;
}

} // namespace platform
