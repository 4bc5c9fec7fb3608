#include "platform/ErrorMode.h"

namespace platform {

// Linux asks nothing when a drive has no medium.
ScopedCriticalErrorsOff::ScopedCriticalErrorsOff() : previous_(0) {}

ScopedCriticalErrorsOff::~ScopedCriticalErrorsOff() = default;

} // namespace platform
