// One running copy per program file. A new copy hands its process id and command line to the
// running one, which answers stop or go on; a copy that keeps running sets up its own guard.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace components {

constexpr std::uint32_t kReplyStop = 0xDA860081;
constexpr std::uint32_t kReplyGoOn = 0xDA860080;

// Asked by the guard whether a new copy may run.
using NewInstanceHook =
    std::function<bool(std::uint32_t processId, const std::string& commandLine)>;

// "OneInstUtilWnd:" followed by the full path of the running program file.
std::string GuardWindowClassName();

// Hands over to a running copy of the same program file and returns false when it says stop
// (the caller then ends with exit code 0); otherwise sets up this copy's guard and returns true.
bool OneInstanceStartup();
void OneInstanceShutdown();

void SetNewInstanceHook(NewInstanceHook hook);

// An event loop that is not the Windows message loop watches this descriptor and calls
// ServeGuard when it is readable; -1 where the guard is a window.
int GuardDescriptor();
void ServeGuard();

// Windows: the guard's hidden top-level window, which the launcher's face also hangs its tray icon
// on (its user data is free for that); 0 before the guard is set up and where it is no window.
std::uintptr_t GuardWindow();

// Hand-over to the running copy's guard; its answer, 0 when none answered.
std::uint32_t NotifyFirstInstance();

namespace detail {
// The answer the guard gives for one hand-over, through the hook.
std::uint32_t AnswerHandOver(std::uint32_t processId, const std::string& commandLine);
// "OneInstUtilWnd-" and a hash of GuardWindowClassName, for the system's names that cannot
// hold a whole path.
std::string HashedGuardName();
} // namespace detail

} // namespace components
