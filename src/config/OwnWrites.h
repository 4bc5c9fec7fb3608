// What this program last wrote to each INI file, so that a change seen in the file system can be
// told from another program's change: the file then holds exactly these bytes.
#pragma once

#include <string>
#include <string_view>

namespace config {

void NoteOwnWrite(const std::string& path, std::string_view bytes);
bool IsOwnWrite(const std::string& path, std::string_view bytes);

} // namespace config
