// What the info dialog takes from the system and the build. The backend is chosen where a binary
// is linked, as the starter's is: the program and the face tests link the system's
// (InfoSystem_system.cpp), the logic tests one they set and that records what it opened.
#pragma once

#include "integration/Http.h"
#include "integration/Version.h"
#include "platform/Shell.h"

#include <optional>
#include <string>

namespace dialogs {

struct InfoSystem {
    std::optional<integration::FileVersion> version; // the running program's
    int primaryLanguage = 0;                         // the user's, as Windows numbers it
    std::string downloadFolder, homepage, mailAddress;
    std::string releaseKey; // the public point that signs the archives; empty: none is accepted
    std::string saveFolder; // where the save of the archive is proposed: the user's downloads
    integration::HttpOptions http;
};

// Read when the dialog opens.
InfoSystem TheInfoSystem();
// Opens a document or an address with the desktop's handler, its window coming up as said;
// false when none could.
bool OpenDocument(const std::string& file, platform::Showing showing);

} // namespace dialogs
