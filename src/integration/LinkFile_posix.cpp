#include "integration/LinkFile.h"

#include "integration/DesktopEntryFile.h"
#include "platform/FileSystem.h"
#include "platform/ParameterText.h"
#include "platform/Paths.h"

namespace integration {

// The arguments are quoted as the launcher splits its parameter text, so each word reaches the
// program as the entry has it.
std::optional<LinkedProgram> ReadLinkFile(const std::string& path) {
    std::string text;
    if (platform::ExtensionOf(path) != ".desktop" ||
        platform::ReadWholeFile(path, text) != platform::ReadStatus::Ok) {
        return std::nullopt;
    }
    const std::optional<DesktopEntryLaunch> entry = ReadDesktopEntryLaunch(text);
    if (!entry) {
        return std::nullopt;
    }
    LinkedProgram program{entry->command.front(), "", entry->workingDirectory};
    for (size_t i = 1; i < entry->command.size(); ++i) {
        program.arguments += (i > 1 ? " " : "") + platform::ParameterText(entry->command[i]);
    }
    return program;
}

} // namespace integration
