#include "win32/ProgramFixture_win.h"

#include "gui/win32/MainWindow.h"
#include "gui/win32/PopupMenu.h"
#include "platform/WinText.h"
#include "support/KeyInput_win.h"
#include "support/Wait.h"

namespace testing_support {

HWND WindowOf(std::uint32_t process, const wchar_t* className, bool shownOnly) {
    return FirstWindow([&](HWND window) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        return owner == process && HasClass(window, className) &&
               (!shownOnly || IsWindowVisible(window));
    });
}

HWND MainWindowOf(std::uint32_t process) {
    return WindowOf(process, win32face::MainWindow::kClassName, false);
}

bool ShortcutTaken(UINT modifiers, UINT key) {
    if (RegisterHotKey(nullptr, 91, modifiers, key)) {
        UnregisterHotKey(nullptr, 91);
        return false;
    }
    return true;
}

std::string Describe(HWND window) {
    wchar_t className[64] = {};
    wchar_t caption[128] = {};
    GetClassNameW(window, className, 64);
    GetWindowTextW(window, caption, 128);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    return platform::Narrow(className) + " \"" + platform::Narrow(caption) + "\" of process " +
           std::to_string(process) + (IsWindowVisible(window) ? ", shown" : ", hidden");
}

bool MenuShown(HWND window) {
    return HasClass(window, L"#32768") && IsWindowVisible(window);
}

void ProgramEndToEndTest::SetUp() {
    for (const char* name : {"Programme", "Werkzeuge", "Arbeits Ordner", "App Daten"}) {
        CreateDirectoryW(platform::Wide(folder_.Path(name)).c_str(), nullptr);
    }
    CopyFileW(platform::Wide(TIPPOMAT_EXE).c_str(), platform::Wide(program_).c_str(), FALSE);
    CopyFileW(platform::Wide(TIPPOMAT_MARK_PROGRAM).c_str(), platform::Wide(marker_).c_str(),
              FALSE);
    SetEnvironment("TIPPOMAT_MARK", mark_);
    const std::string config = folder_.Path("App Daten\\Orvanta\\Tippomat");
    CreateDirectoryW(platform::Wide(folder_.Path("App Daten\\Orvanta")).c_str(), nullptr);
    CreateDirectoryW(platform::Wide(config).c_str(), nullptr);
    ini_ = config + "\\Tippomat.ini";
    WriteBytes(ini_, "[Buchstaben]\r\nK=" + marker_ + "\r\nVK=" + workDir_ +
                         "\r\nPK=-a \"b c\"  d\r\n[Funktionstasten]\r\nF1=" + marker_ +
                         "\r\nV1=" + workDir_ + "\r\nP1=eins \"zwei drei\"\r\n");
}

HWND ProgramEndToEndTest::Start(std::unique_ptr<ChildProcess>& process) {
    process = std::make_unique<ChildProcess>(program_, std::vector<std::string>{});
    HWND window = nullptr;
    EXPECT_TRUE(Eventually([&] { return (window = MainWindowOf(process->Id())) != nullptr; }))
        << "no window, exit " << process->Wait(0);
    EXPECT_TRUE(Eventually([] { return ShortcutTaken(MOD_ALT, VK_F12); })) << "no hotkey";
    EXPECT_TRUE(Eventually([] { return FirstWindow(TrayIconDocked) != nullptr; }))
        << "no tray icon";
    return window;
}

// Pressed again while the popup is not in front: right after a dialog closes, the window
// manager may hand the focus back to its owner a moment after the popup took it. A press on the
// shown popup only brings it to the front again.
void ProgramEndToEndTest::ShowPopup(HWND window) {
    const auto inFront = [&] {
        return IsWindowVisible(window) != FALSE && GetForegroundWindow() == window;
    };
    ASSERT_TRUE(Eventually([&] {
        PressKeys({VK_MENU, VK_F12});
        return Eventually(inFront, 2);
    })) << "not shown in front";
}

// A posted tray message carries no user input, so Wine does not settle the foreground on the
// program for it: the menu's keys went elsewhere now and then. The click of a user does.
void ProgramEndToEndTest::OpenTrayMenu(HWND window) {
    ChildProcess click("Z:\\bin\\sh", {TIPPOMAT_CLICK_TRAY_ICON});
    click.Wait(30);
    ASSERT_TRUE(Eventually([] { return FirstWindow(MenuShown) != nullptr; })) << "no menu";
    ASSERT_TRUE(Eventually([&] { return GetForegroundWindow() == window; }))
        << "the menu's keys go elsewhere: " << Describe(GetForegroundWindow());
}

HWND ProgramEndToEndTest::OpenInfoDialog(HWND window) {
    PostMessageW(window, WM_COMMAND, win32face::PopupMenu::CommandId(core::MenuItem::Information1),
                 0);
    HWND info = nullptr;
    Eventually([&] {
        info = FindWindowW(nullptr, L"Info über Tippomat");
        if (info == nullptr) {
            info = FindWindowW(nullptr, L"Info about Tippomat");
        }
        return info != nullptr && IsWindowVisible(info);
    });
    return info != nullptr && IsWindowVisible(info) ? info : nullptr;
}

} // namespace testing_support
