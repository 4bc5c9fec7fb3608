// The words of a command line as the single-instance hand-over passes them on.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace components {

// Words are separated by runs of blanks (U+0020 only); a double quote toggles a state in which
// blanks do not separate, and the quotes stay part of the word. An unclosed quote makes the
// rest one word; a line that begins with blanks yields an empty first word.
std::vector<std::string> SplitCommandLine(std::string_view text);

// Joins words into such a line, quoting the words that hold blanks or are empty.
std::string JoinCommandLine(const std::vector<std::string>& words);

} // namespace components
