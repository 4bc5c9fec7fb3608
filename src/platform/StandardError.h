// Telling a user who started the program from a command line, on its standard error.
#pragma once

#include <string>

namespace platform {

// Writes text where the starting command line shows it; does nothing where there is none.
void TellOnStandardError(const std::string& text);

} // namespace platform
