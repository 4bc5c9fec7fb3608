// The dialogs of Tippomat.exe opened from its tray menu, under Wine: the appearance dialog
// changes the popup at once, "Installieren" places a link in the Startup folder and tells it,
// the info dialog shows the version, and the list and binding editors add and delete bindings.
#include "win32/ProgramFixture_win.h"

#include "gui/win32/MainWindow.h"
#include "gui/win32/PopupMenu.h"
#include "platform/WinText.h"
#include "support/KeyInput_win.h"
#include "support/Wait.h"

#include <gtest/gtest.h>

#include <functional>

#include <windows.h>

#include <commctrl.h>

using testing_support::ChildProcess;
using testing_support::ClickOn;
using testing_support::Eventually;
using testing_support::FirstWindow;
using testing_support::MenuShown;
using testing_support::PressKeys;
using testing_support::ProgramEndToEndTest;
using testing_support::ReadBytes;
using testing_support::TypeText;
using testing_support::WaitForContent;
using testing_support::WindowOf;

namespace {

// Owned by a window of the program and without a taskbar button of its own, as a dialog of the
// hub is.
bool OwnedWithoutTaskbarButton(HWND dialog) {
    const HWND owner = GetWindow(dialog, GW_OWNER);
    return owner != nullptr &&
           GetWindowThreadProcessId(owner, nullptr) == GetWindowThreadProcessId(dialog, nullptr) &&
           (GetWindowLongPtrW(dialog, GWL_EXSTYLE) & WS_EX_APPWINDOW) == 0;
}

TEST_F(ProgramEndToEndTest, AppearanceDialogFromTheMenuChangesThePopupAtOnce) {
    std::unique_ptr<ChildProcess> process;
    const HWND window = Start(process);
    ASSERT_NE(window, nullptr);
    // "Einstellungen", its submenu, over "Editieren" to "Aussehen".
    ASSERT_NO_FATAL_FAILURE(OpenTrayMenu(window));
    for (WORD key : {VK_UP, VK_UP, VK_RIGHT, VK_DOWN, VK_DOWN, VK_RETURN}) {
        PressKeys({key});
    }
    HWND dialog = nullptr;
    ASSERT_TRUE(Eventually([&] {
        dialog = FindWindowW(nullptr, L"Einstellung Popupfenster");
        return dialog != nullptr && GetForegroundWindow() == dialog;
    }));
    EXPECT_TRUE(OwnedWithoutTaskbarButton(dialog));
    // The edits in their order: "blinkfrequenz", "breite", "hoehe".
    const HWND breite =
        FindWindowExW(dialog, FindWindowExW(dialog, nullptr, L"Edit", nullptr), L"Edit", nullptr);
    ASSERT_NE(breite, nullptr);
    SendMessageW(breite, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"150"));
    PressKeys({VK_RETURN});
    ASSERT_TRUE(Eventually([&] { return !IsWindowVisible(dialog); }));
    EXPECT_TRUE(Eventually([&] {
        RECT client;
        GetClientRect(window, &client);
        return client.right == 150 && client.bottom == 100;
    })) << "the popup takes the new size at once";
    EXPECT_NE(ReadBytes(ini_).find("breite=150\r\n"), std::string::npos) << ReadBytes(ini_);
    SendMessageW(window, WM_QUERYENDSESSION, 0, 0);
    SendMessageW(window, WM_ENDSESSION, TRUE, 0);
    EXPECT_EQ(process->Wait(10), 0);
}

// The message box the process shows, once it shows one.
HWND MessageBoxOf(std::uint32_t process) {
    return WindowOf(process, L"#32770", true);
}

TEST_F(ProgramEndToEndTest, InstallierenFromTheTrayMenuPlacesAReadableLinkAndTellsIt) {
    const std::string startup = folder_.Path("Autostart");
    CreateDirectoryW(platform::Wide(startup).c_str(), nullptr);
    testing_support::ShellFolder startupFolder(L"Startup", startup);
    std::unique_ptr<ChildProcess> process;
    const HWND window = Start(process);
    ASSERT_NE(window, nullptr);

    PostMessageW(window, WM_COMMAND, win32face::PopupMenu::CommandId(core::MenuItem::Installieren1),
                 0);
    HWND box = nullptr;
    ASSERT_TRUE(Eventually([&] { return (box = MessageBoxOf(process->Id())) != nullptr; }));
    wchar_t text[256] = {};
    GetDlgItemTextW(box, 0xFFFF, text, 256);
    EXPECT_EQ(platform::Narrow(text), "Verknüpfung im Autostartmenü angelegt!");
    const testing_support::LinkFields link =
        testing_support::ReadShellLink(startup + "\\Tippomat.lnk");
    EXPECT_TRUE(platform::SameText(link.target, program_)) << link.target;
    EXPECT_EQ(link.description, "Tippomat");
    EXPECT_EQ(link.workingDirectory, folder_.Path("Programme\\"));

    PostMessageW(box, WM_COMMAND, IDOK, 0);
    PostMessageW(window, WM_COMMAND, win32face::PopupMenu::CommandId(core::MenuItem::Beenden1), 0);
    EXPECT_EQ(process->Wait(10), 0);
}

// The text of the first child window of window whose text begins with prefix.
std::string ChildTextStartingWith(HWND window, const std::wstring& prefix) {
    struct Search {
        const std::wstring& prefix;
        std::wstring found;
    } search{prefix, {}};
    EnumChildWindows(
        window,
        [](HWND child, LPARAM data) -> BOOL {
            auto& search = *reinterpret_cast<Search*>(data);
            wchar_t text[256] = {};
            GetWindowTextW(child, text, 256);
            if (std::wstring(text).rfind(search.prefix, 0) == 0) {
                search.found = text;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return platform::Narrow(search.found);
}

TEST_F(ProgramEndToEndTest, InformationShowsTheVersionFromTheResourceWithTheWordSize) {
    std::unique_ptr<ChildProcess> process;
    const HWND window = Start(process);
    ASSERT_NE(window, nullptr);
    const HWND info = OpenInfoDialog(window);
    ASSERT_NE(info, nullptr);
    EXPECT_TRUE(OwnedWithoutTaskbarButton(info));
    const std::string version = TIPPOMAT_FILE_VERSION; // major.minor.release.build
    const size_t lastDot = version.rfind('.');
    EXPECT_EQ(ChildTextStartingWith(info, L"Version : "),
              "Version : " + version.substr(0, lastDot) + " Build: " + version.substr(lastDot + 1) +
                  " (64 Bit)");
    PostMessageW(info, WM_CLOSE, 0, 0);
    EXPECT_TRUE(Eventually([&] { return !IsWindowVisible(info); }));
    PostMessageW(window, WM_COMMAND, win32face::PopupMenu::CommandId(core::MenuItem::Beenden1), 0);
    EXPECT_EQ(process->Wait(10), 0);
}

// The shown top-level window of that caption; nullptr while there is none.
HWND ShownWindowTitled(const std::wstring& caption) {
    return FirstWindow([&](HWND window) {
        wchar_t text[64] = {};
        GetWindowTextW(window, text, 64);
        return IsWindowVisible(window) && caption == text;
    });
}

// The window of that caption shown and in front, where the keys go; nullptr when it is not
// within the time.
HWND WaitForFront(const std::wstring& caption, int seconds = 30) {
    HWND shown = nullptr;
    Eventually(
        [&] {
            shown = ShownWindowTitled(caption);
            return shown != nullptr && GetForegroundWindow() == shown;
        },
        seconds);
    return GetForegroundWindow() == shown ? shown : nullptr;
}

// The first keys into a window that just came to the front may still go astray: pressed again
// until they have done what they do.
bool PressUntil(std::initializer_list<WORD> chord, const std::function<bool()>& done) {
    return Eventually([&] {
        PressKeys(chord);
        return Eventually(done, 2);
    });
}

// Where the keyboard is in the thread of that window.
HWND FocusOf(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
    return info.hwndFocus;
}

// A binding added through the list and the binding editor and confirmed with OK is in the file
// and starts; one deleted there no longer does. The list comes from the tray menu, and its OK is
// clicked with the mouse.
TEST_F(ProgramEndToEndTest, BindingAddedAndDeletedInTheListEditor) {
    std::unique_ptr<ChildProcess> process;
    const HWND window = Start(process);
    ASSERT_NE(window, nullptr);
    const auto openList = [&]() -> HWND {
        OpenTrayMenu(window);
        if (HasFatalFailure()) {
            return nullptr;
        }
        // "Einstellungen", its submenu, over "Einstellungsdialog" to "Editieren".
        for (WORD key : {VK_UP, VK_UP, VK_RIGHT, VK_DOWN, VK_RETURN}) {
            PressKeys({key});
        }
        return WaitForFront(L"Einstellungen", 30);
    };
    // Back in front, as the binding editor leaves it; clicked again while a click is lost.
    const auto confirm = [](HWND list) {
        return Eventually([&] { return GetForegroundWindow() == list; }) && Eventually([&] {
                   ClickOn(FindWindowExW(list, nullptr, L"Button", L"OK"));
                   return Eventually([&] { return !IsWindowVisible(list); }, 3);
               });
    };

    HWND list = openList();
    ASSERT_NE(list, nullptr) << "no list";
    EXPECT_TRUE(OwnedWithoutTaskbarButton(list));
    RECT frame;
    GetWindowRect(list, &frame);
    EXPECT_EQ(frame.left, 271);
    EXPECT_EQ(frame.top, 120);
    HWND editor = nullptr;
    ASSERT_TRUE(PressUntil({VK_MENU, 'A'}, [&] { // "&Anfügen"
        return (editor = ShownWindowTitled(L"Einstellungen für den Aufruf")) != nullptr &&
               GetForegroundWindow() == editor;
    })) << "no binding editor";
    // The key D (the fourth unbound key), past "Verzeichnis" into the program field, on to the
    // parameters; Enter is OK.
    const HWND taste = FindWindowExW(editor, nullptr, WC_COMBOBOXW, nullptr);
    ASSERT_TRUE(PressUntil({'D'}, [&] { return SendMessageW(taste, CB_GETCURSEL, 0, 0) == 3; }));
    PressKeys({VK_TAB});
    PressKeys({VK_TAB});
    TypeText(platform::Wide(marker_));
    PressKeys({VK_TAB});
    TypeText(L"dee");
    PressKeys({VK_RETURN});
    ASSERT_TRUE(Eventually([&] { return !IsWindowVisible(editor); }));
    ASSERT_TRUE(confirm(list));
    EXPECT_NE(ReadBytes(ini_).find("\r\nD=" + marker_ + "\r\nVD=\r\nPD=dee\r\n"), std::string::npos)
        << ReadBytes(ini_);
    ASSERT_NO_FATAL_FAILURE(ShowPopup(window));
    PressKeys({'D'});
    EXPECT_NE(WaitForContent(mark_, " dee\n").find(" dee\n"), std::string::npos);

    // The row of K chosen by typing its key in the list, which comes after the buttons, and
    // deleted; on a busy machine a key of it may still go astray: the round is tried again then.
    const auto deleteK = [&] {
        const HWND shown = openList();
        if (shown == nullptr) {
            return false;
        }
        const HWND grid = FindWindowExW(shown, nullptr, WC_LISTVIEWW, nullptr);
        if (PressUntil({VK_SHIFT, VK_TAB}, [&] { return FocusOf(shown) == grid; }) &&
            PressUntil({'K'}, [&] {
                return SendMessageW(grid, LVM_GETNEXTITEM, static_cast<WPARAM>(-1),
                                    LVNI_SELECTED) == 1; // the second row, after D
            })) {
            PressKeys({VK_MENU, 'L'}); // "&Löschen"
        }
        if (!confirm(shown)) {
            PostMessageW(shown, WM_CLOSE, 0, 0);
            Eventually([&] { return !IsWindowVisible(shown); }, 5);
            return false;
        }
        return ReadBytes(ini_).find("\r\nK=\r\nVK=\r\nPK=\r\n") != std::string::npos;
    };
    ASSERT_TRUE(Eventually(deleteK, 90)) << ReadBytes(ini_);
    // K starts nothing and keeps the popup up, so the D after it starts once more.
    ASSERT_NO_FATAL_FAILURE(ShowPopup(window));
    PressKeys({'K'});
    PressKeys({'D'});
    EXPECT_TRUE(Eventually([&] {
        const std::string mark = ReadBytes(mark_);
        return mark.find(" dee\n", mark.find(" dee\n") + 1) != std::string::npos;
    }));
    EXPECT_EQ(ReadBytes(mark_).find("b c"), std::string::npos) << ReadBytes(mark_);
}

} // namespace
