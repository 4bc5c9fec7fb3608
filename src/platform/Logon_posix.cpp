#include "platform/Logon.h"

#include <cerrno>
#include <cstdlib>
#include <sys/utsname.h>
#include <unistd.h>

namespace platform {

int OsMajorVersion() {
    utsname name{};
    return ::uname(&name) == 0 ? std::atoi(name.release) : 0;
}

unsigned long RunWithLogon(const std::string&, const std::string&, const std::string&,
                           const std::string&) {
    return ENOSYS;
}

bool ChangeCurrentDirectory(const std::string& directory) {
    return ::chdir(directory.c_str()) == 0;
}

} // namespace platform
