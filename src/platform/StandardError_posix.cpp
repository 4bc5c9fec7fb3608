#include "platform/StandardError.h"

#include <cstdio>

namespace platform {

void TellOnStandardError(const std::string& text) {
    std::fputs(text.c_str(), stderr);
    std::fflush(stderr);
}

} // namespace platform
