// Starting a program with raised rights.
#pragma once

#include <string>

namespace platform {

// Windows asks through the shell's "runas" from major version 4 on; before that it logs on as
// user with password and starts file in directory (params in double quotes, when any). Linux
// always asks through the desktop's polkit agent (ShellRunAs). True when the start was made.
bool RunElevated(const std::string& file, const std::string& params, const std::string& directory,
                 const std::string& user, const std::string& password);

} // namespace platform
