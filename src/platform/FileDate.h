// The date of a file as the user reads dates.
#pragma once

#include <string>

namespace platform {

// The file's last-modified date and time in the user's short date and long time format, the
// time left out when it is exactly midnight; empty when the file cannot be read.
std::string FileDateText(const std::string& path);

} // namespace platform
