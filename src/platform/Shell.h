// Opening files and folders and starting programs the way the desktop does.
#pragma once

#include <string>

namespace platform {

// How the started program's window comes up where the system lets the caller say it.
enum class Showing {
    Unactivated, // as it stands, the keyboard stays where it is: a binding's start
    Activated,   // shown and in front: what the user asked to see
    Normal,      // in front at its normal size
};

// "open": a folder or document in its desktop program, a program file started directly, with the
// parameters as they stand and the working directory (empty: the launcher's own). True when
// the start succeeded.
bool ShellOpen(const std::string& file, const std::string& params, const std::string& directory,
               Showing showing = Showing::Unactivated);

// "runas": the same with raised rights; the system asks the user. True when the request was made.
bool ShellRunAs(const std::string& file, const std::string& params, const std::string& directory);

} // namespace platform
