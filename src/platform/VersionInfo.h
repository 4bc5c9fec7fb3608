// Version resources of program files.
#pragma once

#include <optional>
#include <string>

namespace platform {

struct VersionStrings {
    std::string productName; // empty when the resource has no "ProductName"
};

// The strings of the first language listed in the file's version resource; nothing when the
// file carries no version information.
std::optional<VersionStrings> ReadVersionStrings(const std::string& file);

} // namespace platform
