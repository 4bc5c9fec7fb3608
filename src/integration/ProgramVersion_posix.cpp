#include "integration/BuildSettings.h"
#include "integration/Version.h"

namespace integration {

// Linux program files carry no version resource: the build's numbers are the version.
std::optional<FileVersion> RunningProgramVersion() {
    return FileVersion{build::kVersionMajor, build::kVersionMinor, build::kVersionRelease,
                       build::kVersionBuild};
}

} // namespace integration
