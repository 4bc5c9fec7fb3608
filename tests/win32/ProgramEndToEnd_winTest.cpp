// Tippomat.exe as a user meets it, under Wine: a start with its own application-data folder and
// bindings to a program that leaves a mark; the hotkey and a key start it; a second start ends
// at once; the tray menu's "Beenden" and the end of the session end it with its bounds saved.
#include "gui/win32/MainWindow.h"
#include "platform/WinText.h"
#include "unit/ChildProcess.h"
#include "unit/TestFolder.h"
#include "unit/Wait.h"
#include "win32/KeyInput_win.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <thread>

#include <windows.h>

#include <commctrl.h>

using testing_support::ChildProcess;
using testing_support::ClickOn;
using testing_support::Eventually;
using testing_support::PressKeys;
using testing_support::ReadBytes;
using testing_support::TestFolder;
using testing_support::TypeText;
using testing_support::WaitForContent;

namespace {

constexpr const wchar_t* kShellFolders =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";

// The user's application-data folder points elsewhere while it lives, as the shell reads it.
class AppDataFolder {
  public:
    explicit AppDataFolder(const std::string& folder) {
        RegOpenKeyExW(HKEY_CURRENT_USER, kShellFolders, 0, KEY_READ | KEY_SET_VALUE, &key_);
        wchar_t value[MAX_PATH] = {};
        DWORD size = sizeof value;
        RegQueryValueExW(key_, L"AppData", nullptr, &type_, reinterpret_cast<BYTE*>(value), &size);
        old_ = value;
        Set(platform::Wide(folder), REG_EXPAND_SZ);
    }
    ~AppDataFolder() {
        Set(old_, type_);
        RegCloseKey(key_);
    }

  private:
    void Set(const std::wstring& value, DWORD type) {
        RegSetValueExW(key_, L"AppData", 0, type, reinterpret_cast<const BYTE*>(value.c_str()),
                       static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    }

    HKEY key_ = nullptr;
    DWORD type_ = REG_EXPAND_SZ;
    std::wstring old_;
};

// The launcher window of a process, once it exists.
HWND MainWindowOf(std::uint32_t process) {
    struct Search {
        DWORD process;
        HWND found;
    } search{process, nullptr};
    EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
            auto& search = *reinterpret_cast<Search*>(data);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            wchar_t name[64] = {};
            GetClassNameW(window, name, 64);
            if (owner == search.process && lstrcmpW(name, win32face::MainWindow::kClassName) == 0) {
                search.found = window;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// Whether some program holds the shortcut: the program is ready once its hotkey is.
bool ShortcutTaken(UINT modifiers, UINT key) {
    if (RegisterHotKey(nullptr, 91, modifiers, key)) {
        UnregisterHotKey(nullptr, 91);
        return false;
    }
    return true;
}

bool HasClass(HWND window, const wchar_t* className) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return lstrcmpW(name, className) == 0;
}

// Whether a top-level window passes the test.
bool AnyWindow(bool (*test)(HWND)) {
    struct Search {
        bool (*test)(HWND);
        bool found;
    } search{test, false};
    EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
            auto& search = *reinterpret_cast<Search*>(data);
            search.found = search.test(window);
            return !search.found;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// Wine's own window for a tray icon becomes a child window when the tray host takes it, and
// taking it moves the foreground to Wine's shell: a popup shown before then ends up behind it.
// The icon's tooltip is a top-level window owned by the icon.
bool TrayIconDocked(HWND window) {
    const HWND icon = GetWindow(window, GW_OWNER);
    return HasClass(window, L"tooltips_class32") && icon != nullptr &&
           HasClass(icon, L"__winex11_tray_icon") && (GetWindowLongW(icon, GWL_STYLE) & WS_CHILD);
}

// Every open menu is a window of this class.
bool MenuShown(HWND window) {
    return HasClass(window, L"#32768") && IsWindowVisible(window);
}

class ProgramEndToEndTest : public ::testing::Test {
  protected:
    void SetUp() override {
        for (const char* name : {"Programme", "Werkzeuge", "Arbeits Ordner", "App Daten"}) {
            CreateDirectoryW(platform::Wide(folder_.Path(name)).c_str(), nullptr);
        }
        CopyFileW(platform::Wide(TIPPOMAT_EXE).c_str(), platform::Wide(program_).c_str(), FALSE);
        CopyFileW(platform::Wide(TIPPOMAT_MARK_PROGRAM).c_str(), platform::Wide(marker_).c_str(),
                  FALSE);
        testing_support::SetEnvironment("TIPPOMAT_MARK", mark_);
        const std::string config = folder_.Path("App Daten\\Orvanta\\Tippomat");
        CreateDirectoryW(platform::Wide(folder_.Path("App Daten\\Orvanta")).c_str(), nullptr);
        CreateDirectoryW(platform::Wide(config).c_str(), nullptr);
        ini_ = config + "\\Tippomat.ini";
        testing_support::WriteBytes(
            ini_, "[Buchstaben]\r\nK=" + marker_ + "\r\nVK=" + workDir_ +
                      "\r\nPK=-a \"b c\"  d\r\n[Funktionstasten]\r\nF1=" + marker_ +
                      "\r\nV1=" + workDir_ + "\r\nP1=eins \"zwei drei\"\r\n");
    }

    // Starts the program and waits until it is ready: its window, its hotkey and its tray icon.
    HWND Start(std::unique_ptr<ChildProcess>& process) {
        process = std::make_unique<ChildProcess>(program_, std::vector<std::string>{});
        HWND window = nullptr;
        EXPECT_TRUE(Eventually([&] { return (window = MainWindowOf(process->Id())) != nullptr; }))
            << "no window";
        EXPECT_TRUE(Eventually([] { return ShortcutTaken(MOD_ALT, VK_F12); })) << "no hotkey";
        EXPECT_TRUE(Eventually([] { return AnyWindow(TrayIconDocked); })) << "no tray icon";
        return window;
    }

    // The hotkey brings the popup up in front, where the next key goes.
    void ShowPopup(HWND window) {
        PressKeys({VK_MENU, VK_F12});
        ASSERT_TRUE(Eventually([&] { return IsWindowVisible(window) != FALSE; })) << "not shown";
        ASSERT_TRUE(Eventually([&] { return GetForegroundWindow() == window; }))
            << "shown, but not in front";
    }

    TestFolder folder_;
    AppDataFolder appData_{folder_.Path("App Daten")};
    std::string program_ = folder_.Path("Programme\\Tippomat.exe");
    std::string marker_ = folder_.Path("Werkzeuge\\markprog.exe");
    std::string workDir_ = folder_.Path("Arbeits Ordner");
    std::string mark_ = folder_.Path("mark.txt");
    std::string ini_;
};

TEST_F(ProgramEndToEndTest, HotkeyAndKeyStartTheBindingSecondStartEndsMenuEndsAndSaves) {
    std::unique_ptr<ChildProcess> first;
    const HWND window = Start(first);
    ASSERT_NE(window, nullptr);
    EXPECT_FALSE(IsWindowVisible(window)) << "a start shows only the tray icon";

    ASSERT_NO_FATAL_FAILURE(ShowPopup(window));
    PressKeys({'K'});
    std::string mark = WaitForContent(mark_, "cmd=");
    EXPECT_NE(mark.find("cwd=" + workDir_ + "\n"), std::string::npos) << mark;
    EXPECT_NE(mark.find(" -a \"b c\"  d\n"), std::string::npos) << mark;
    EXPECT_TRUE(Eventually([&] { return !IsWindowVisible(window); })) << "hidden after a start";

    ASSERT_NO_FATAL_FAILURE(ShowPopup(window));
    PressKeys({VK_F1});
    mark = WaitForContent(mark_, "zwei drei");
    EXPECT_NE(mark.find(" eins \"zwei drei\"\n"), std::string::npos) << mark;

    ChildProcess second(program_, {});
    EXPECT_EQ(second.Wait(3), 0) << "a second copy hands over and ends";
    EXPECT_EQ(first->Wait(0), -1) << "the first copy runs on";

    // The tray menu opened by the right button; its last entry is "Beenden".
    PostMessageW(window, win32face::MainWindow::kTrayMessage, 0, WM_RBUTTONDOWN);
    PostMessageW(window, win32face::MainWindow::kTrayMessage, 0, WM_RBUTTONUP);
    ASSERT_TRUE(Eventually([] { return AnyWindow(MenuShown); })) << "no menu";
    ASSERT_TRUE(Eventually([&] { return GetForegroundWindow() == window; }))
        << "the menu's keys go elsewhere";
    PressKeys({VK_UP});
    PressKeys({VK_RETURN});
    EXPECT_EQ(first->Wait(10), 0);
    const std::string ini = ReadBytes(ini_);
    EXPECT_NE(ini.find("[main]"), std::string::npos) << ini;
    EXPECT_NE(ini.find("Width="), std::string::npos) << ini;
}

TEST_F(ProgramEndToEndTest, PopupOptionsShowTheRunningCopysPopupInTheirMode) {
    std::unique_ptr<ChildProcess> first;
    const HWND window = Start(first);
    ASSERT_NE(window, nullptr);
    ChildProcess admin(program_, {"--admin-popup"});
    EXPECT_EQ(admin.Wait(10), 0);
    EXPECT_TRUE(Eventually([&] { return IsWindowVisible(window) != FALSE; }));
    wchar_t caption[64] = {};
    GetWindowTextW(window, caption, 64);
    EXPECT_EQ(platform::Narrow(caption), "Start als Admin... ");

    PressKeys({VK_ESCAPE});
    ASSERT_TRUE(Eventually([&] { return !IsWindowVisible(window); }));
    ChildProcess user(program_, {"--popup"});
    EXPECT_EQ(user.Wait(10), 0);
    ASSERT_TRUE(Eventually([&] { return GetForegroundWindow() == window; })) << "with the keyboard";
    PressKeys({'K'});
    EXPECT_NE(WaitForContent(mark_, "cmd=").find("cwd=" + workDir_ + "\n"), std::string::npos);
}

TEST_F(ProgramEndToEndTest, EndOfSessionSavesTheBoundsBeforeItReturns) {
    std::unique_ptr<ChildProcess> process;
    const HWND window = Start(process);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(SendMessageW(window, WM_QUERYENDSESSION, 0, 0), TRUE);
    SendMessageW(window, WM_ENDSESSION, TRUE, 0);
    EXPECT_NE(ReadBytes(ini_).find("[main]"), std::string::npos) << ReadBytes(ini_);
    EXPECT_EQ(process->Wait(10), 0);
}

// The drive mode chosen in the drive dialog holds from the start (M: and N: are fixed drives
// that hold app\markprog.exe; Q: does not exist; the program runs from Z:).
TEST_F(ProgramEndToEndTest, StoredDriveModeHoldsFromTheStart) {
    const auto startWithMode = [&](int mode, const std::string& binding) {
        testing_support::WriteBytes(ini_, "[Buchstaben]\r\nK=" + binding +
                                              "\r\n[laufwerksform]\r\nSektionVorhanden=1\r\n"
                                              "laufwerkmode=" +
                                              std::to_string(mode) +
                                              "\r\n[Check]\r\nWroteSuccesful=1\r\n");
        std::unique_ptr<ChildProcess> process;
        const HWND window = Start(process);
        ASSERT_NE(window, nullptr);
        ShowPopup(window);
        PressKeys({'K'});
        EXPECT_TRUE(Eventually([&] { return !IsWindowVisible(window); })) << mode;
        SendMessageW(window, WM_QUERYENDSESSION, 0, 0);
        SendMessageW(window, WM_ENDSESSION, TRUE, 0);
        EXPECT_EQ(process->Wait(10), 0);
    };
    startWithMode(2, "Q:\\app\\markprog.exe");
    EXPECT_NE(WaitForContent(mark_, "self=").find("self=M:\\app\\markprog.exe"), std::string::npos)
        << "found by the drive search";
    startWithMode(1, "N:\\app\\markprog.exe");
    EXPECT_NE(WaitForContent(mark_, "self=N:").find("self=N:\\app\\markprog.exe"),
              std::string::npos)
        << "started from its own drive";
}

TEST_F(ProgramEndToEndTest, AppearanceDialogFromTheMenuChangesThePopupAtOnce) {
    std::unique_ptr<ChildProcess> process;
    const HWND window = Start(process);
    ASSERT_NE(window, nullptr);
    // "Einstellungen", its submenu, over "Editieren" to "Aussehen".
    PostMessageW(window, win32face::MainWindow::kTrayMessage, 0, WM_RBUTTONDOWN);
    PostMessageW(window, win32face::MainWindow::kTrayMessage, 0, WM_RBUTTONUP);
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    for (WORD key : {VK_UP, VK_UP, VK_RIGHT, VK_DOWN, VK_DOWN, VK_RETURN}) {
        PressKeys({key});
    }
    HWND dialog = nullptr;
    ASSERT_TRUE(Eventually([&] {
        dialog = FindWindowW(nullptr, L"Einstellung Popupfenster");
        return dialog != nullptr && GetForegroundWindow() == dialog;
    }));
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

// The shown top-level window of that caption; nullptr while there is none.
HWND ShownWindowTitled(const std::wstring& caption) {
    struct Search {
        const std::wstring& caption;
        HWND found;
    } search{caption, nullptr};
    EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
            auto& search = *reinterpret_cast<Search*>(data);
            wchar_t text[64] = {};
            GetWindowTextW(window, text, 64);
            if (IsWindowVisible(window) && search.caption == text) {
                search.found = window;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
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
    // Keys may reach the menu before it holds the keyboard: tried until the list comes up.
    const auto openList = [&] {
        HWND list = nullptr;
        Eventually([&] {
            PostMessageW(window, win32face::MainWindow::kTrayMessage, 0, WM_RBUTTONDOWN);
            PostMessageW(window, win32face::MainWindow::kTrayMessage, 0, WM_RBUTTONUP);
            if (Eventually([&] { return AnyWindow(MenuShown) && GetForegroundWindow() == window; },
                           5)) {
                // "Einstellungen", its submenu, over "Einstellungsdialog" to "Editieren".
                for (WORD key : {VK_UP, VK_UP, VK_RIGHT, VK_DOWN, VK_RETURN}) {
                    PressKeys({key});
                }
                list = WaitForFront(L"Einstellungen", 3);
            }
            if (list == nullptr) {
                PressKeys({VK_ESCAPE});
                PressKeys({VK_ESCAPE});
                Eventually([] { return !AnyWindow(MenuShown); }, 5);
            }
            return list != nullptr;
        });
        return list;
    };
    // Back in front, as the binding editor leaves it; clicked again while a click is lost.
    const auto confirm = [](HWND list) {
        EXPECT_TRUE(Eventually([&] { return GetForegroundWindow() == list; }));
        return Eventually([&] {
            ClickOn(FindWindowExW(list, nullptr, L"Button", L"OK"));
            return Eventually([&] { return !IsWindowVisible(list); }, 3);
        });
    };

    HWND list = openList();
    ASSERT_NE(list, nullptr) << "no list";
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

    // The row of K chosen by typing its key in the list, which comes after the buttons.
    list = openList();
    ASSERT_NE(list, nullptr) << "no list";
    const HWND grid = FindWindowExW(list, nullptr, WC_LISTVIEWW, nullptr);
    ASSERT_TRUE(PressUntil({VK_SHIFT, VK_TAB}, [&] { return FocusOf(list) == grid; }));
    ASSERT_TRUE(PressUntil({'K'}, [&] {
        return SendMessageW(grid, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED) == 1;
    })) << "the second row, after D";
    PressKeys({VK_MENU, 'L'}); // "&Löschen"
    ASSERT_TRUE(confirm(list));
    EXPECT_NE(ReadBytes(ini_).find("\r\nK=\r\nVK=\r\nPK=\r\n"), std::string::npos)
        << ReadBytes(ini_);
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
