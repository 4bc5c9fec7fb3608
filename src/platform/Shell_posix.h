// The commands behind the shell calls on Linux.
#pragma once

#include <string>
#include <vector>

namespace platform {

// What "runas" starts: pkexec by its full path, so that no program of that name found earlier on
// PATH gets the command, with the words it runs as root.
std::vector<std::string> ElevatedCommand(const std::string& file, const std::string& params,
                                         const std::string& directory);

} // namespace platform
