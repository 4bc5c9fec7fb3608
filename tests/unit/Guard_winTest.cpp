// The guard window's message form under Wine.
#include "components/OneInstance.h"
#include "platform/WinText.h"

#include <gtest/gtest.h>

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

} // namespace
