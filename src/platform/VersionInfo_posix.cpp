#include "platform/VersionInfo.h"

namespace platform {

// Linux program files carry no version resource.
std::optional<VersionStrings> ReadVersionStrings(const std::string&) {
    return std::nullopt;
}

} // namespace platform
