#include "platform/DetachedProcess_posix.h"

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <spawn.h>
#include <sys/stat.h>
#include <unistd.h>

extern char** environ;

namespace platform {

namespace {

// A folder carries the search bit as well, but is no program.
bool IsExecutableFile(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
           ::access(path.c_str(), X_OK) == 0;
}

// The full path of a program found through PATH, or empty.
std::string FindInPath(const std::string& program) {
    if (program.find('/') != std::string::npos) {
        return IsExecutableFile(program) ? program : std::string();
    }
    const char* path = std::getenv("PATH");
    std::string folders = path != nullptr ? path : "/usr/local/bin:/usr/bin:/bin";
    size_t start = 0;
    while (start <= folders.size()) {
        const size_t end = std::min(folders.find(':', start), folders.size());
        const std::string folder = folders.substr(start, end - start);
        const std::string candidate = (folder.empty() ? "." : folder) + "/" + program;
        if (IsExecutableFile(candidate)) {
            return candidate;
        }
        start = end + 1;
    }
    return {};
}

// What the started program gets: its own session, default signal handling, an empty mask, its
// working directory, and no descriptor of the launcher's beyond 0-2.
class SpawnSettings {
  public:
    explicit SpawnSettings(const std::string& directory) {
        posix_spawnattr_init(&attributes_);
        posix_spawn_file_actions_init(&actions_);
        sigset_t all;
        sigfillset(&all);
        sigset_t none;
        sigemptyset(&none);
        posix_spawnattr_setsigdefault(&attributes_, &all);
        posix_spawnattr_setsigmask(&attributes_, &none);
        posix_spawnattr_setflags(&attributes_, POSIX_SPAWN_SETSID | POSIX_SPAWN_SETSIGDEF |
                                                   POSIX_SPAWN_SETSIGMASK);
        if (!directory.empty()) {
            posix_spawn_file_actions_addchdir_np(&actions_, directory.c_str());
        }
        posix_spawn_file_actions_addclosefrom_np(&actions_, 3);
    }
    ~SpawnSettings() {
        posix_spawn_file_actions_destroy(&actions_);
        posix_spawnattr_destroy(&attributes_);
    }
    SpawnSettings(const SpawnSettings&) = delete;
    SpawnSettings& operator=(const SpawnSettings&) = delete;

    const posix_spawnattr_t* Attributes() const { return &attributes_; }
    const posix_spawn_file_actions_t* Actions() const { return &actions_; }

  private:
    posix_spawnattr_t attributes_;
    posix_spawn_file_actions_t actions_;
};

} // namespace

bool StartDetached(const std::vector<std::string>& argv, const std::string& directory) {
    if (argv.empty()) {
        return false;
    }
    std::string program = FindInPath(argv[0]);
    if (program.empty()) {
        return false;
    }
    // The working directory changes before exec, so a relative program path is made whole.
    if (program[0] != '/') {
        char here[4096];
        if (::getcwd(here, sizeof here) == nullptr) {
            return false;
        }
        program = std::string(here) + "/" + program;
    }
    std::vector<char*> arguments;
    for (const std::string& argument : argv) {
        arguments.push_back(const_cast<char*>(argument.c_str()));
    }
    arguments.push_back(nullptr);
    const SpawnSettings settings(directory);
    pid_t child = 0;
    // The C library reports a failed directory change or exec as the result.
    return posix_spawn(&child, program.c_str(), settings.Actions(), settings.Attributes(),
                       arguments.data(), environ) == 0;
}

void LeaveEndedChildrenToTheSystem() {
    struct sigaction action {};
    action.sa_handler = SIG_DFL;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_NOCLDWAIT;
    ::sigaction(SIGCHLD, &action, nullptr);
}

} // namespace platform
