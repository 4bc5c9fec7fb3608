#include "support/XdoTool_x11.h"

#include <cstdio>

namespace testing_support {

std::string CommandOutput(const std::string& command) {
    std::string text;
    if (FILE* pipe = ::popen(command.c_str(), "r")) {
        char buffer[4096];
        size_t got;
        while ((got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) {
            text.append(buffer, got);
        }
        ::pclose(pipe);
    }
    return text;
}

void PressXKeys(const std::string& keys) {
    CommandOutput("xdotool key --delay 30 " + keys);
}

bool VisibleWindowNamed(const std::string& name) {
    return !CommandOutput("xdotool search --onlyvisible --name '" + name + "' 2>/dev/null").empty();
}

bool FocusedWindowNamed(const std::string& name) {
    const std::string window =
        CommandOutput("xdotool search --onlyvisible --name '" + name + "' | head -1");
    return !window.empty() && CommandOutput("xdotool getwindowfocus") == window;
}

} // namespace testing_support
