#include "platform/Drive.h"

namespace platform {

std::string DriveText(std::string_view) {
    return {};
}

DriveType DriveTypeOf(const std::string&) {
    return DriveType::NoRootDir;
}

} // namespace platform
