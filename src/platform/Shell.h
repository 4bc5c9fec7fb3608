// Opening files and folders and starting programs the way the desktop does.
#pragma once

#include <string>

namespace platform {

// "open": a folder or document in its desktop program, a program file started directly, with the
// parameters as they stand and the working directory (empty: the launcher's own). True when
// the start succeeded.
bool ShellOpen(const std::string& file, const std::string& params, const std::string& directory);

// "runas": the same with raised rights; the system asks the user. True when the request was made.
bool ShellRunAs(const std::string& file, const std::string& params, const std::string& directory);

} // namespace platform
