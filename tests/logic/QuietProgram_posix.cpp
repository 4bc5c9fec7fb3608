#include "logic/LogicFixture.h"

#include <sys/stat.h>

namespace testing_support {

std::string QuietProgram(const TestFolder& folder) {
    const std::string path = folder.Path("quiet");
    WriteBytes(path, "#!/bin/sh\nexit 0\n");
    ::chmod(path.c_str(), 0755);
    return path;
}

} // namespace testing_support
