// The words of the command line that are the program's own: Qt's options (-platform wayland,
// -style fusion, ...) are Qt's and are no unknown option of the program.
#pragma once

#include <string>
#include <vector>

namespace qtface {

// argv without the program's name and without Qt's options and their values.
std::vector<std::string> ProgramWords(int argc, char** argv);

} // namespace qtface
