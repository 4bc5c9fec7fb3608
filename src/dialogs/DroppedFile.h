// What a file or folder dropped on the list or binding editor binds.
#pragma once

#include <string>

namespace dialogs {

struct DroppedBinding {
    std::string path, workDir, params;
    bool fromLink = false; // read from a shortcut file
};

// A shortcut file (.lnk on Windows, an application's .desktop entry on Linux) binds the program
// it starts with its arguments and working folder; any other file or folder binds itself.
DroppedBinding BindingOfDroppedFile(const std::string& path);

} // namespace dialogs
