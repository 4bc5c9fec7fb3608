// Starting a program under another account with its user name and password.
#pragma once

#include <string>

namespace platform {

// Whether the shell starts programs with raised rights itself ("runas"). Windows has it from
// major version 4 on; on Linux raised rights always go through the desktop's polkit agent.
bool ShellHasRunAs();

// Starts file (with params in double quotes, when any) as user; the system's error code, 0 for
// success. Where the system offers no logon with explicit credentials the code is not 0.
unsigned long RunWithLogon(const std::string& user, const std::string& password,
                           const std::string& file, const std::string& params);

bool ChangeCurrentDirectory(const std::string& directory);

} // namespace platform
