// Pure path arithmetic on the platform's separators.
#pragma once

#include <string>
#include <string_view>

namespace platform {

char PathSeparator();
bool IsPathSeparator(char c);

// The file name without folder.
std::string FileNameOf(std::string_view path);
// From the last "." of the file name on, "." included; empty when the name has none.
std::string ExtensionOf(std::string_view path);
// The file name without folder and without its last extension.
std::string BaseNameOf(std::string_view path);
// The path with its last extension replaced (or added).
std::string ChangeExtension(std::string_view path, std::string_view extension);
std::string WithTrailingSeparator(std::string_view folder);

} // namespace platform
