#include "integration/UpdateSource.h"

#include "integration/BuildSettings.h"
#include "integration/Signature.h"

#include <cstdlib>

namespace integration {

namespace {

// The end-to-end tests point the real program at a server and a key of their own. Whoever sets a
// program's environment can change what it runs anyway, so this trusts no one new.
std::string Setting(const char* variable, const char* built) {
    const char* value = std::getenv(variable);
    return value != nullptr && *value != '\0' ? value : built;
}

} // namespace

std::string UpdateFolder() {
    return Setting("TIPPOMAT_UPDATE_FOLDER", build::kDownloadFolder);
}

std::string ReleaseKey() {
    return FromHex(Setting("TIPPOMAT_RELEASE_KEY", build::kReleaseKey)).value_or("");
}

} // namespace integration
