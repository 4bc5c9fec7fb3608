#include "support/ChildProcess.h"

#include "platform/WinText.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace testing_support {

struct ChildProcess::Impl {
    PROCESS_INFORMATION process{};
};

ChildProcess::ChildProcess(const std::string& program, const std::vector<std::string>& arguments)
    : impl_(std::make_unique<Impl>()) {
    std::string line = "\"" + program + "\"";
    for (const std::string& word : arguments) {
        const bool quote = word.find(' ') != std::string::npos && word.rfind('"', 0) != 0;
        line += " " + (quote ? "\"" + word + "\"" : word);
    }
    std::wstring commandLine = platform::Wide(line);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    // A start that fails is told with its error: a test that waits for it would only time out.
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &impl_->process)) {
        ADD_FAILURE() << "cannot start " << line << ": error " << GetLastError();
    }
}

ChildProcess::~ChildProcess() {
    if (impl_->process.hProcess != nullptr) {
        if (WaitForSingleObject(impl_->process.hProcess, 0) != WAIT_OBJECT_0) {
            TerminateProcess(impl_->process.hProcess, 1);
        }
        CloseHandle(impl_->process.hProcess);
        CloseHandle(impl_->process.hThread);
    }
}

std::uint32_t ChildProcess::Id() const {
    return impl_->process.dwProcessId;
}

int ChildProcess::Wait(int seconds) {
    if (WaitForSingleObject(impl_->process.hProcess, static_cast<DWORD>(seconds) * 1000) !=
        WAIT_OBJECT_0) {
        return -1;
    }
    DWORD code = 0;
    GetExitCodeProcess(impl_->process.hProcess, &code);
    return static_cast<int>(code);
}

} // namespace testing_support
