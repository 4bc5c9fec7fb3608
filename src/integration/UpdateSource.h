// Where the update comes from and whose key must have signed it.
#pragma once

#include <string>

namespace integration {

// The address of the update server's download folder: the build's, or TIPPOMAT_UPDATE_FOLDER.
std::string UpdateFolder();
// The release key's public point as bytes: the build's, or TIPPOMAT_RELEASE_KEY in hex; empty
// when there is none or it is no hex.
std::string ReleaseKey();

} // namespace integration
