// The running copy's side of the single-instance guard: a new copy's hand-over becomes an event
// whose handler decides whether the copy may run; a refused copy brings this one to the front.
#pragma once

#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace components {

class ECreateError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

class TInstanceCheck {
  public:
    using NewInstanceEvent =
        std::function<void(TInstanceCheck& sender, std::uint32_t processId,
                           const std::vector<std::string>& params, bool& allow)>;

    // bringToFront restores the program and puts its main window in front. Throws ECreateError
    // when an object of this class exists already.
    explicit TInstanceCheck(std::function<void()> bringToFront);
    ~TInstanceCheck();
    TInstanceCheck(const TInstanceCheck&) = delete;
    TInstanceCheck& operator=(const TInstanceCheck&) = delete;

    NewInstanceEvent OnNewInstance;

    // The guard's question for one hand-over: may the new copy run?
    static bool HandOver(std::uint32_t processId, const std::string& commandLine);

  private:
    std::function<void()> bringToFront_;
};

// Lets the guard ask TInstanceCheck; before the object exists and after it is gone, every new
// copy may run.
void InstallInstanceCheckHook();

} // namespace components
