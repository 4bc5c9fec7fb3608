#include "platform/DetachedProcess_posix.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace platform {

namespace {

bool IsExecutableFile(const std::string& path) {
    return ::access(path.c_str(), X_OK) == 0;
}

// Only async-signal-safe calls from here on: the launcher may have other threads.
[[noreturn]] void ExecInChild(const char* program, char* const* argv, const char* directory,
                              int reportFd) {
    ::setsid();
    struct sigaction defaults {};
    defaults.sa_handler = SIG_DFL;
    for (int signal = 1; signal < NSIG; ++signal) {
        ::sigaction(signal, &defaults, nullptr);
    }
    sigset_t none;
    sigemptyset(&none);
    ::sigprocmask(SIG_SETMASK, &none, nullptr);
    if (directory != nullptr && ::chdir(directory) != 0) {
        const int error = errno;
        [[maybe_unused]] const ssize_t ignored = ::write(reportFd, &error, sizeof error);
        ::_exit(127);
    }
    // Every descriptor above 2 goes, except the report pipe, which closes itself on exec.
    if (::syscall(SYS_close_range, 3u, static_cast<unsigned>(reportFd) - 1u, 0u) != 0 ||
        ::syscall(SYS_close_range, static_cast<unsigned>(reportFd) + 1u, ~0u, 0u) != 0) {
        for (int fd = 3; fd < 4096; ++fd) {
            if (fd != reportFd) {
                ::close(fd);
            }
        }
    }
    ::execve(program, argv, environ);
    const int error = errno;
    [[maybe_unused]] const ssize_t ignored = ::write(reportFd, &error, sizeof error);
    ::_exit(127);
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

} // namespace

bool StartDetached(const std::vector<std::string>& argv, const std::string& directory) {
    if (argv.empty()) {
        return false;
    }
    std::string program = FindInPath(argv[0]);
    if (program.empty()) {
        return false;
    }
    // The child changes its directory before exec, so a relative program path is made whole.
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

    int report[2];
    if (::pipe2(report, O_CLOEXEC) != 0) {
        return false;
    }
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(report[0]);
        const pid_t grandchild = ::fork();
        if (grandchild == 0) {
            ExecInChild(program.c_str(), arguments.data(),
                        directory.empty() ? nullptr : directory.c_str(), report[1]);
        }
        ::_exit(grandchild < 0 ? 1 : 0);
    }
    ::close(report[1]);
    int status = 0;
    while (child > 0 && ::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    // The pipe closes without a word when exec succeeded; otherwise the child reports errno.
    int error = 0;
    ssize_t got;
    while ((got = ::read(report[0], &error, sizeof error)) < 0 && errno == EINTR) {
    }
    ::close(report[0]);
    return child > 0 && WIFEXITED(status) && WEXITSTATUS(status) == 0 && got == 0;
}

} // namespace platform
