#include "platform/Logon.h"

#include <cerrno>
#include <unistd.h>

namespace platform {

bool ShellHasRunAs() {
    return true;
}

unsigned long RunWithLogon(const std::string&, const std::string&, const std::string&,
                           const std::string&) {
    return ENOSYS;
}

bool ChangeCurrentDirectory(const std::string& directory) {
    return ::chdir(directory.c_str()) == 0;
}

} // namespace platform
