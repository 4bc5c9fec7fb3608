// Handing a start to the system. The backend is chosen where a binary is linked, as the hotkeys'
// is: the program and the platform tests link the system's (Starter_system.cpp), the logic
// tests a record of what would have started.
#pragma once

#include <string>

namespace core {

struct StartRequest {
    std::string file;
    std::string params;
    std::string directory;
    // The "runas" verb: the system asks the user for raised rights.
    bool elevated = false;
    // The credentials of the Windows route that logs on instead of asking.
    std::string user;
    std::string password;
};

// True when the program started or the folder or document opened.
bool StartProgram(const StartRequest& request);

} // namespace core
