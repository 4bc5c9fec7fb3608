#include "platform/Elevation.h"

#include "platform/Shell.h"

namespace platform {

// There is no logon with explicit credentials: the account is kept, and polkit asks.
bool RunElevated(const std::string& file, const std::string& params, const std::string& directory,
                 const std::string&, const std::string&) {
    return ShellRunAs(file, params, directory);
}

} // namespace platform
