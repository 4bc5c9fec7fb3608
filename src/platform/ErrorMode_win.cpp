#include "platform/ErrorMode.h"

#include <windows.h>

namespace platform {

ScopedCriticalErrorsOff::ScopedCriticalErrorsOff()
    : previous_(SetErrorMode(SEM_FAILCRITICALERRORS)) {}

ScopedCriticalErrorsOff::~ScopedCriticalErrorsOff() {
    SetErrorMode(previous_);
}

} // namespace platform
