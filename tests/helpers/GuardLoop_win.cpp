#include "helpers/GuardLoop.h"

#include <windows.h>

namespace testing_support {

void RunGuardLoop(int seconds) {
    const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(seconds) * 1000;
    SetTimer(nullptr, 0, 50, nullptr);
    MSG message;
    while (GetTickCount64() < end && GetMessageW(&message, nullptr, 0, 0) > 0) {
        DispatchMessageW(&message);
    }
}

std::uint32_t OwnProcessId() {
    return GetCurrentProcessId();
}

} // namespace testing_support
