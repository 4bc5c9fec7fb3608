#include "platform/Shell_posix.h"
#include "platform/Shell.h"

#include "platform/DetachedProcess_posix.h"
#include "platform/FileSystem.h"
#include "platform/ShellWords.h"

#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace platform {

namespace {

// What the system can run itself: an ELF file or a script naming its interpreter.
bool HasProgramHeader(const std::string& file) {
    const int descriptor = ::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (descriptor < 0) {
        return false;
    }
    char head[4] = {};
    const ssize_t got = ::read(descriptor, head, sizeof head);
    ::close(descriptor);
    return (got == 4 && std::memcmp(head,
                                    "\x7F"
                                    "ELF",
                                    4) == 0) ||
           (got >= 2 && head[0] == '#' && head[1] == '!');
}

// Programs start directly; folders and documents go to the desktop's opener. Every file on a
// FAT or NTFS stick carries the executable bit, so the bit alone makes no program.
bool IsProgram(const std::string& file) {
    return FileExists(file) && ::access(file.c_str(), X_OK) == 0 && HasProgramHeader(file);
}

// The launch rules found a relative path in the current folder: that file is started, never one
// on PATH, and the program's own working directory does not change what the path means. A whole
// path never begins with "-", so the opener cannot take it for an option.
std::string Absolute(const std::string& file) {
    char here[4096];
    if (file.empty() || file[0] == '/' || ::getcwd(here, sizeof here) == nullptr) {
        return file;
    }
    return std::string(here) + "/" + file;
}

std::vector<std::string> Command(const std::string& file, const std::string& params) {
    if (!IsProgram(file)) {
        return {"xdg-open", Absolute(file)};
    }
    std::vector<std::string> argv{Absolute(file)};
    for (std::string& word : SplitShellWords(params)) {
        argv.push_back(std::move(word));
    }
    return argv;
}

} // namespace

// The desktop's window manager decides how a new window comes up.
bool ShellOpen(const std::string& file, const std::string& params, const std::string& directory,
               Showing) {
    return StartDetached(Command(file, params), directory);
}

// pkexec starts the program with a clean environment in the target user's home: env brings the
// working directory and the display back, so that a graphical program can open its windows. env
// takes every word with a "=" before the command as a variable, even after "--", so the command
// is setsid, which never does: the program and its words reach it as they are, and the program
// runs in a session of its own as every started program does.
std::vector<std::string> ElevatedCommand(const std::string& file, const std::string& params,
                                         const std::string& directory) {
    std::vector<std::string> argv{"/usr/bin/pkexec", "/usr/bin/env"};
    if (!directory.empty()) {
        argv.insert(argv.end(), {"-C", directory});
    }
    for (const char* name : {"DISPLAY", "XAUTHORITY", "WAYLAND_DISPLAY", "XDG_RUNTIME_DIR"}) {
        if (const char* value = std::getenv(name); value != nullptr) {
            argv.push_back(std::string(name) + "=" + value);
        }
    }
    argv.insert(argv.end(), {"/usr/bin/setsid", "--"});
    for (std::string& word : Command(file, params)) {
        argv.push_back(std::move(word));
    }
    return argv;
}

bool ShellRunAs(const std::string& file, const std::string& params, const std::string& directory) {
    return StartDetached(ElevatedCommand(file, params, directory), directory);
}

} // namespace platform
