#include "support/ChildProcess.h"

#include "support/Wait.h"

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

namespace testing_support {

struct ChildProcess::Impl {
    pid_t pid = -1;
    bool ended = false;
};

ChildProcess::ChildProcess(const std::string& program, const std::vector<std::string>& arguments)
    : impl_(std::make_unique<Impl>()) {
    std::vector<std::string> words{program};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words) {
        argv.push_back(word.data());
    }
    argv.push_back(nullptr);
    impl_->pid = ::fork();
    if (impl_->pid == 0) {
        ::execv(program.c_str(), argv.data());
        ::_exit(127);
    }
}

ChildProcess::~ChildProcess() {
    if (impl_->pid > 0 && !impl_->ended) {
        ::kill(impl_->pid, SIGKILL);
        ::waitpid(impl_->pid, nullptr, 0);
    }
}

std::uint32_t ChildProcess::Id() const {
    return static_cast<std::uint32_t>(impl_->pid);
}

int ChildProcess::Wait(int seconds) {
    int code = -1;
    Eventually(
        [&] {
            int status = 0;
            if (::waitpid(impl_->pid, &status, WNOHANG) != impl_->pid) {
                return false;
            }
            impl_->ended = true;
            code = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
            return true;
        },
        seconds);
    return code;
}

} // namespace testing_support
