// The hotkey component under Wine: registration as another program sees it, and real presses.
#include "components/Fishotkey.h"
#include "support/KeyInput_win.h"
#include "support/Wait.h"

#include <gtest/gtest.h>

#include <windows.h>

using components::Tfishotkey;
using testing_support::Eventually;
using testing_support::PressKeys;

namespace {

// Whether another program could take the shortcut now (it is then given back at once).
bool IsFree(UINT modifiers, UINT key) {
    if (!RegisterHotKey(nullptr, 77, modifiers, key)) {
        return false;
    }
    UnregisterHotKey(nullptr, 77);
    return true;
}

// Runs the message loop, where the hotkeys arrive, until the condition holds or time is up.
bool PumpUntil(const std::function<bool()>& done) {
    return Eventually(done, 10, [] {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            DispatchMessageW(&message);
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    });
}

TEST(WindowsHotkey, RegistersMovesAndReleases) {
    Tfishotkey hotkey;
    EXPECT_TRUE(hotkey.Enabled());
    EXPECT_FALSE(hotkey.Registered());
    hotkey.SetKey(0x807B); // Alt+F12
    EXPECT_TRUE(hotkey.Registered());
    EXPECT_FALSE(IsFree(MOD_ALT, VK_F12));

    hotkey.SetKey(0x807A); // Alt+F11
    EXPECT_TRUE(IsFree(MOD_ALT, VK_F12));
    EXPECT_FALSE(IsFree(MOD_ALT, VK_F11));

    hotkey.SetEnabled(false);
    EXPECT_FALSE(hotkey.Registered());
    EXPECT_TRUE(IsFree(MOD_ALT, VK_F11));
    hotkey.SetKey(0x2141);
    EXPECT_FALSE(hotkey.Registered()) << "a key set while disabled is only stored";
    hotkey.SetEnabled(true);
    hotkey.SetEnabled(true);
    EXPECT_TRUE(hotkey.Registered());
    EXPECT_FALSE(IsFree(MOD_SHIFT, 'A')) << "bits 8-12 are dropped";

    hotkey.SetKey(0xE000 | VK_F8);
    EXPECT_FALSE(IsFree(MOD_SHIFT | MOD_CONTROL | MOD_ALT, VK_F8));
}

TEST(WindowsHotkey, ShortcutHeldElsewhereFailsSilently) {
    ASSERT_TRUE(RegisterHotKey(nullptr, 78, MOD_CONTROL | MOD_ALT, VK_F9));
    Tfishotkey hotkey;
    hotkey.SetKey(0xC078); // Strg+Alt+F9
    EXPECT_FALSE(hotkey.Registered());
    UnregisterHotKey(nullptr, 78);
    hotkey.SetKey(0xC078);
    EXPECT_FALSE(hotkey.Registered()) << "the same key changes nothing";
    hotkey.SetKey(0xC077);
    EXPECT_TRUE(hotkey.Registered()) << "a later free shortcut works";
}

// A hidden window refused by a hook: no registration, so the key is not bound to the thread,
// and a later try with a window works.
TEST(WindowsHotkey, NoWindowRegistersNothing) {
    const HHOOK refuseWindows = SetWindowsHookExW(
        WH_CBT,
        [](int code, WPARAM wParam, LPARAM lParam) -> LRESULT {
            return code == HCBT_CREATEWND ? 1 : CallNextHookEx(nullptr, code, wParam, lParam);
        },
        nullptr, GetCurrentThreadId());
    ASSERT_NE(refuseWindows, nullptr);
    Tfishotkey hotkey;
    hotkey.SetKey(0x8076); // Alt+F7
    EXPECT_FALSE(hotkey.Registered());
    EXPECT_TRUE(IsFree(MOD_ALT, VK_F7));
    UnhookWindowsHookEx(refuseWindows);
    hotkey.SetEnabled(true);
    EXPECT_TRUE(hotkey.Registered());
}

TEST(WindowsHotkey, PressRaisesTheEventOfItsComponent) {
    Tfishotkey user;
    Tfishotkey admin;
    int userPresses = 0;
    int adminPresses = 0;
    user.Onhotkey = [&] { ++userPresses; };
    admin.Onhotkey = [&] { ++adminPresses; };
    user.SetKey(0x807B);
    admin.SetKey(0x807A);
    ASSERT_TRUE(user.Registered() && admin.Registered());
    PressKeys({VK_MENU, VK_F12});
    EXPECT_TRUE(PumpUntil([&] { return userPresses == 1; }));
    PressKeys({VK_MENU, VK_F11});
    EXPECT_TRUE(PumpUntil([&] { return adminPresses == 1; }));
    EXPECT_EQ(userPresses, 1);
}

} // namespace
