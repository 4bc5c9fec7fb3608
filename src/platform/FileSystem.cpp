#include "platform/FileSystem.h"

#include "platform/Paths.h"

namespace platform {

// Through ReplaceFileContent, so that a copy cut off half-way never damages the target.
bool CopyFileOver(const std::string& from, const std::string& to) {
    std::string bytes;
    return ReadWholeFile(from, bytes) == ReadStatus::Ok && ReplaceFileContent(to, bytes);
}

std::string ProgramFolder() {
    const std::string program = ProgramFilePath();
    return program.substr(0, program.size() - FileNameOf(program).size());
}

} // namespace platform
