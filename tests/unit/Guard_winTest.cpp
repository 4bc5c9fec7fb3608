// The guard window's message form under Wine, and copies started at the same instant.
#include "components/OneInstance.h"
#include "platform/WinText.h"
#include "support/ChildProcess.h"
#include "support/TestFolder.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include <windows.h>

namespace {

TEST(GuardWindow, OnlyCopyDataWithZeroWParamIsAHandOver) {
    ASSERT_TRUE(components::OneInstanceStartup());
    int asked = 0;
    components::SetNewInstanceHook([&](std::uint32_t id, const std::string& line) {
        ++asked;
        EXPECT_EQ(id, 1234u);
        EXPECT_EQ(line, "prog \"a b\"");
        return false;
    });
    const std::wstring className = platform::Wide(components::GuardWindowClassName());
    const HWND window = FindWindowW(className.c_str(), nullptr);
    ASSERT_NE(window, nullptr);
    std::wstring text = L"prog \"a b\"";
    COPYDATASTRUCT data{1234, static_cast<DWORD>(text.size() * 2), text.data()};
    EXPECT_NE(SendMessageW(window, WM_COPYDATA, 1, reinterpret_cast<LPARAM>(&data)),
              static_cast<LRESULT>(components::kReplyStop));
    EXPECT_EQ(asked, 0);
    EXPECT_EQ(SendMessageW(window, WM_COPYDATA, 0, 0), 0) << "no record";
    EXPECT_EQ(static_cast<std::uint32_t>(
                  SendMessageW(window, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data))),
              components::kReplyStop);
    EXPECT_EQ(asked, 1);
    components::OneInstanceShutdown();
    EXPECT_EQ(FindWindowW(className.c_str(), nullptr), nullptr);
}

// Copies started at the same instant: one runs, the others hand over to it and end.
TEST(GuardProcess, CopiesStartedTogetherLeaveOneRunning) {
    const testing_support::TestFolder folder;
    const std::string gate = folder.Path("gate");
    testing_support::SetEnvironment("TIPPOMAT_START_GATE", gate);
    std::vector<std::unique_ptr<testing_support::ChildProcess>> copies;
    for (int i = 0; i < 4; ++i) {
        copies.push_back(std::make_unique<testing_support::ChildProcess>(
            TIPPOMAT_GUARD_HELPER,
            std::vector<std::string>{folder.Path("copy" + std::to_string(i)), "0", "5"}));
    }
    testing_support::SetEnvironment("TIPPOMAT_START_GATE", "");
    for (int i = 0; i < 4; ++i) {
        testing_support::WaitForContent(folder.Path("copy" + std::to_string(i)), "waiting");
    }
    testing_support::WriteBytes(gate, "");
    int running = 0;
    for (const auto& copy : copies) {
        running += copy->Wait() == 3 ? 1 : 0;
    }
    EXPECT_EQ(running, 1);
}

} // namespace
