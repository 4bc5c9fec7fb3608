// Starting a test program as a separate process and waiting for its exit code.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace testing_support {

class ChildProcess {
  public:
    // arguments are passed as separate words; on Windows they are quoted where they hold blanks,
    // and a word that begins with a double quote is passed as it stands.
    ChildProcess(const std::string& program, const std::vector<std::string>& arguments);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    std::uint32_t Id() const;
    // The exit code, or -1 when it has not ended within the time.
    int Wait(int seconds = 30);

    struct Impl;

  private:
    std::unique_ptr<Impl> impl_;
};

} // namespace testing_support
