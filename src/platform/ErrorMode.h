// No system dialog for a drive without medium while drives are probed; restored on every path out.
#pragma once

namespace platform {

class ScopedCriticalErrorsOff {
  public:
    ScopedCriticalErrorsOff();
    ~ScopedCriticalErrorsOff();
    ScopedCriticalErrorsOff(const ScopedCriticalErrorsOff&) = delete;
    ScopedCriticalErrorsOff& operator=(const ScopedCriticalErrorsOff&) = delete;

  private:
    unsigned previous_;
};

} // namespace platform
