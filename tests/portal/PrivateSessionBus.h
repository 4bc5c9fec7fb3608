// A D-Bus session bus of a test's own, so that stand-in desktop services can own their names.
#pragma once

#include <string>

namespace testing_support {

class PrivateSessionBus {
  public:
    PrivateSessionBus();
    ~PrivateSessionBus();
    PrivateSessionBus(const PrivateSessionBus&) = delete;
    PrivateSessionBus& operator=(const PrivateSessionBus&) = delete;

    // Empty when no dbus-daemon could be started.
    const std::string& Address() const { return address_; }

  private:
    std::string address_;
    int pid_ = 0;
};

} // namespace testing_support
