#include "portal/PrivateSessionBus.h"

#include <csignal>
#include <cstdio>

namespace testing_support {

PrivateSessionBus::PrivateSessionBus() {
    FILE* daemon = ::popen("dbus-daemon --session --fork --print-address=1 --print-pid=1", "r");
    if (daemon == nullptr) {
        return;
    }
    char address[512] = {};
    if (std::fscanf(daemon, "%511s %d", address, &pid_) == 2) {
        address_ = address;
    }
    ::pclose(daemon);
}

PrivateSessionBus::~PrivateSessionBus() {
    if (pid_ > 0) {
        ::kill(pid_, SIGTERM);
    }
}

} // namespace testing_support
