// Starting a program under another account with its user name and password.
#pragma once

#include <string>

namespace platform {

// The operating system's major version number.
int OsMajorVersion();

// Starts file (with params in double quotes, when any) as user; the system's error code, 0 for
// success. Where the system offers no logon with explicit credentials the code is not 0.
unsigned long RunWithLogon(const std::string& user, const std::string& password,
                           const std::string& file, const std::string& params);

bool ChangeCurrentDirectory(const std::string& directory);

} // namespace platform
