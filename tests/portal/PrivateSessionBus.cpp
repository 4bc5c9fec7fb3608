#include "portal/PrivateSessionBus.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

namespace testing_support {

namespace {

// A session bus that starts no service on its own: a desktop service installed on the machine
// must not answer in place of a test's stand-in, nor where a test wants none.
constexpr const char* kConfig = R"(<busconfig>
  <type>session</type>
  <listen>unix:tmpdir=/tmp</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
)";

} // namespace

PrivateSessionBus::PrivateSessionBus() {
    char config[] = "/tmp/tippomat-bus-XXXXXX";
    const int file = ::mkstemp(config);
    if (file < 0) {
        return;
    }
    const std::string text = kConfig;
    const bool written = ::write(file, text.data(), text.size()) == ssize_t(text.size());
    ::close(file);
    FILE* daemon = written ? ::popen(("dbus-daemon --fork --print-address=1 --print-pid=1 "
                                      "--config-file=" +
                                      std::string(config))
                                         .c_str(),
                                     "r")
                           : nullptr;
    if (daemon != nullptr) {
        char address[512] = {};
        if (std::fscanf(daemon, "%511s %d", address, &pid_) == 2) {
            address_ = address;
        }
        ::pclose(daemon);
    }
    ::unlink(config);
}

PrivateSessionBus::~PrivateSessionBus() {
    if (pid_ > 0) {
        ::kill(pid_, SIGTERM);
    }
}

} // namespace testing_support
