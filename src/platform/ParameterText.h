// A path written into a parameter text so that the started program gets it as one parameter.
#pragma once

#include <optional>
#include <string>

namespace platform {

// The path as it stands when nothing in it would split it or be read as quoting; otherwise
// quoted the way the platform's parameter splitting reads it back whole.
std::string ParameterText(const std::string& path);
// The word a parameter text consists of, read back as the platform's splitting reads it;
// nothing when the text is not exactly one word.
std::optional<std::string> SingleParameter(const std::string& text);

} // namespace platform
