// Where the user keeps what they download.
#pragma once

#include <string>

namespace platform {

// The user's download folder with a trailing separator: the one the desktop's user folders name
// on Linux, the Downloads known folder on Windows; the home folder when there is none or it is
// missing; empty when not even that is known.
std::string DownloadFolder();

} // namespace platform
