// Splits a parameter text into arguments as a POSIX shell splits words, without any expansion.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace platform {

// Blanks, tabs and line breaks separate words; single quotes keep everything literally; double
// quotes keep blanks, and a backslash in them escapes only \ " $ ` and a line break; outside
// quotes a backslash escapes the next character. An unclosed quote runs to the end.
std::vector<std::string> SplitShellWords(std::string_view text);

} // namespace platform
