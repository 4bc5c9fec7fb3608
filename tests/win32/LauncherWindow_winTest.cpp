// The launcher window as Win32 draws it: the popup shown by the hotkey and hidden by Escape, its
// frames and blinking, the tray icon and its menu.
#include "support/KeyInput_win.h"
#include "support/TopWindows_win.h"
#include "win32/FaceFixture_win.h"

#include "gui/win32/WindowBasics.h"

#include <shellapi.h>

namespace {

using core::MenuItem;
using testing_support::FaceTest;
using win32face::MainWindow;
using win32face::PopupMenu;

// Whether the taskbar knows the window's icon: only a known icon can be changed.
bool TaskbarHasIcon(HWND window) {
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof data;
    data.hWnd = window;
    data.uID = win32face::TrayIcon::kId;
    data.uFlags = NIF_TIP;
    return Shell_NotifyIconW(NIM_MODIFY, &data) != FALSE;
}

std::wstring MenuText(HMENU menu, UINT position) {
    wchar_t text[100] = {};
    GetMenuStringW(menu, position, text, 100, MF_BYPOSITION);
    return text;
}

bool Enabled(const PopupMenu& menu, MenuItem item) {
    return (GetMenuState(menu.Handle(), PopupMenu::CommandId(item), MF_BYCOMMAND) & MF_GRAYED) == 0;
}

bool HasPicture(const PopupMenu& menu, MenuItem item) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_BITMAP;
    GetMenuItemInfoW(menu.Handle(), PopupMenu::CommandId(item), FALSE, &info);
    return info.hbmpItem != nullptr;
}

class LauncherWindowTest : public FaceTest {};

TEST_F(LauncherWindowTest, HotkeyShowsThePopupInFrontAndEscapeHidesIt) {
    auto start = NewStart();
    const HWND popup = start->main.Handle();
    EXPECT_FALSE(IsWindowVisible(popup)) << "a start shows only the tray icon";
    EXPECT_NE(GetWindowLongPtrW(popup, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
    ASSERT_TRUE(PumpUntil(
        [] { return testing_support::FirstWindow(testing_support::TrayIconDocked) != nullptr; }));

    testing_support::PressKeys({VK_MENU, VK_F12});
    ASSERT_TRUE(PumpUntil([&] { return IsWindowVisible(popup) != FALSE; }));
    EXPECT_EQ(win32face::TextOf(popup), "Start als User... ");
    EXPECT_TRUE(PumpUntil([&] { return GetForegroundWindow() == popup; }));

    testing_support::PressKeys({VK_ESCAPE});
    EXPECT_TRUE(PumpUntil([&] { return !IsWindowVisible(popup); }));
    EXPECT_FALSE(KillTimer(popup, MainWindow::kBlinkTimer)) << "no blinking while hidden";
}

// A start makes the launcher's window alone; its hint's tooltip comes when the pointer first
// moves over it, the dialogs' windows at their first show.
TEST_F(LauncherWindowTest, StartMakesNoDialogWindowAndTheHintFollowsTheLogic) {
    auto start = NewStart();
    EXPECT_EQ(start->hub.Handle(), nullptr);
    EXPECT_EQ(start->admin.Handle(), nullptr);
    const HWND popup = start->main.Handle();
    PumpUntil([] { return false; }, 1);
    EXPECT_TRUE(testing_support::HintsOf(popup).empty());
    SendMessageW(popup, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    ASSERT_TRUE(PumpUntil([&] { return !testing_support::HintsOf(popup).empty(); }));
    EXPECT_EQ(testing_support::HintsOf(popup)[popup].text, L"Tippomat");

    start->launcher().FormMouseDown(core::MouseButton::Left);
    EXPECT_EQ(testing_support::HintsOf(popup)[popup].text,
              win32face::WideLines(start->state.table.KeyListText()));
}

TEST_F(LauncherWindowTest, TrayIconIsAddedAtStartShowsTheNoticeAndGoesWithTheWindow) {
    auto start = NewStart();
    const HWND window = start->main.TrayHandle();
    EXPECT_TRUE(TaskbarHasIcon(window));
    // A program that ends at once; not an ".exe" to the notice, which then names the path.
    const std::string program = "C:\\windows\\system32\\rundll32.EXE";
    start->launcher().StartEntry(program, "", "");
    EXPECT_EQ(start->main.LastNotice(), "Gestartet: " + program);
    start.reset();
    EXPECT_FALSE(TaskbarHasIcon(window));
}

TEST_F(LauncherWindowTest, TrayMenuListsItsEntriesWithTheirStatesAndRunsThem) {
    auto start = NewStart();
    MainWindow& main = start->main;
    const PopupMenu& menu = main.Menu();
    const HMENU top = menu.Handle();
    ASSERT_EQ(GetMenuItemCount(top), 4);
    EXPECT_EQ(MenuText(top, 0), L"Zeigen");
    EXPECT_EQ(MenuText(top, 1), L"Verbergen");
    EXPECT_EQ(MenuText(top, 2), L"Einstellungen");
    EXPECT_EQ(MenuText(top, 3), L"Beenden");
    const HMENU settings = GetSubMenu(top, 2);
    ASSERT_EQ(GetMenuItemCount(settings), 9);
    const wchar_t* expected[] = {
        L"Einstellungsdialog", L"",           L"Editieren",   L"Aussehen", L"Installieren",
        L"Laufwerk wechseln",  L"Adminmodus", L"Information", L"Hilfe"};
    for (UINT i = 0; i < 9; ++i) {
        EXPECT_EQ(MenuText(settings, i), expected[i]);
    }
    EXPECT_NE(GetMenuState(settings, 1, MF_BYPOSITION) & MF_SEPARATOR, 0u);
    EXPECT_FALSE(HasPicture(menu, MenuItem::Beenden1)) << "the pictures wait for its opening";
    const UINT_PTR closer =
        SetTimer(nullptr, 0, 10, [](HWND, UINT, UINT_PTR, DWORD) { EndMenu(); });
    main.OpenMenuAtCursor();
    KillTimer(nullptr, closer);
    EXPECT_TRUE(HasPicture(menu, MenuItem::Beenden1));
    EXPECT_TRUE(HasPicture(menu, MenuItem::Adminmodus1));
    EXPECT_FALSE(HasPicture(menu, MenuItem::Zeigen1));

    // A button going down on the tray icon sets the states before its menu opens.
    SendMessageW(main.TrayHandle(), MainWindow::kTrayMessage, win32face::TrayIcon::kId,
                 WM_LBUTTONDOWN);
    EXPECT_TRUE(Enabled(menu, MenuItem::Zeigen1));
    EXPECT_FALSE(Enabled(menu, MenuItem::Verbergen1));
    EXPECT_TRUE(Enabled(menu, MenuItem::Adminmodus1));
    EXPECT_TRUE(Enabled(menu, MenuItem::Hilfe1));
    EXPECT_TRUE(Enabled(menu, MenuItem::Editieren1));
    start->launcher().Hotkeyhotkey();
    SendMessageW(main.TrayHandle(), MainWindow::kTrayMessage, win32face::TrayIcon::kId,
                 WM_RBUTTONDOWN);
    EXPECT_FALSE(Enabled(menu, MenuItem::Zeigen1));
    EXPECT_TRUE(Enabled(menu, MenuItem::Verbergen1));

    SendMessageW(main.Handle(), WM_COMMAND, PopupMenu::CommandId(MenuItem::Hilfe1), 0);
    EXPECT_EQ(helpTopics_, std::vector<int>{900});
    SendMessageW(main.Handle(), WM_COMMAND, PopupMenu::CommandId(MenuItem::Einstellungsdialog1), 0);
    EXPECT_TRUE(IsWindowVisible(start->hub.Handle()));
    EXPECT_FALSE(IsWindowVisible(main.Handle()));
}

TEST_F(LauncherWindowTest, EllipseFrameAndBlinkingBetweenTheTwoColoursWhileShown) {
    WriteIni("[EinstellungenHaupt]\r\nblinkfrequenz=30\r\nbreite=90\r\nhoehe=60\r\nStil=2\r\n"
             "[Farben]\r\nFarbe1=255\r\nFarbe2=65280\r\n");
    auto start = NewStart();
    const HWND popup = start->main.Handle();
    const HRGN region = CreateRectRgn(0, 0, 0, 0);
    ASSERT_EQ(GetWindowRgn(popup, region), COMPLEXREGION);
    RECT box;
    GetRgnBox(region, &box);
    EXPECT_NEAR(box.right - box.left, 90, 1) << "the ellipse inscribed in the window";
    EXPECT_NEAR(box.bottom - box.top, 60, 1);
    EXPECT_TRUE(PtInRegion(region, 45, 30));
    EXPECT_FALSE(PtInRegion(region, 2, 2)) << "the corners are cut away";
    DeleteObject(region);

    start->launcher().Hotkeyhotkey();
    bool red = false;
    bool green = false;
    // Above the text, inside the ellipse.
    EXPECT_TRUE(PumpUntil([&] {
        UpdateWindow(popup);
        const HDC dc = GetDC(popup);
        const COLORREF colour = GetPixel(dc, 45, 4);
        ReleaseDC(popup, dc);
        red = red || colour == RGB(255, 0, 0);
        green = green || colour == RGB(0, 255, 0);
        return red && green;
    })) << red
        << green;
    start->launcher().Verbergen();
    EXPECT_FALSE(KillTimer(popup, MainWindow::kBlinkTimer)) << "the timer stops with the hiding";
}

TEST_F(LauncherWindowTest, NormalStyleHasAFixedDialogFrameAroundTheSizeOfTheSettings) {
    WriteIni("[EinstellungenHaupt]\r\nbreite=120\r\nhoehe=80\r\nStil=0\r\n");
    auto start = NewStart();
    const HWND popup = start->main.Handle();
    const LONG_PTR style = GetWindowLongPtrW(popup, GWL_STYLE);
    EXPECT_NE(style & WS_CAPTION, 0);
    EXPECT_NE(style & WS_SYSMENU, 0);
    EXPECT_EQ(style & WS_THICKFRAME, 0) << "not resizable";
    EXPECT_EQ(style & WS_MAXIMIZEBOX, 0) << "a maximised popup would cover the screen";
    RECT client;
    GetClientRect(popup, &client);
    EXPECT_EQ(client.right, 120);
    EXPECT_EQ(client.bottom, 80);
}

} // namespace

namespace {

core::Size ClientOf(HWND window) {
    RECT client;
    GetClientRect(window, &client);
    return {client.right, client.bottom};
}

// The appearance dialog's frames: a dialog frame without border icons, or none; either goes
// around the size of the settings.
TEST_F(LauncherWindowTest, AppearanceFramesApplyAtOnceAroundTheSizeOfTheSettings) {
    WriteIni("[EinstellungenHaupt]\r\nbreite=120\r\nhoehe=80\r\nStil=1\r\n");
    auto start = NewStart();
    const HWND popup = start->main.Handle();
    start->launcher().ApplyStyle(core::kStyleNormal);
    const LONG_PTR framed = GetWindowLongPtrW(popup, GWL_STYLE);
    EXPECT_NE(framed & WS_CAPTION, 0);
    EXPECT_EQ(framed & WS_SYSMENU, 0) << "no close box";
    start->launcher().Neues_Design(200, 255, 255, 150, 90);
    EXPECT_EQ(ClientOf(popup).width, 150);
    EXPECT_EQ(ClientOf(popup).height, 90);
    start->launcher().ApplyStyle(core::kStyleBorderless);
    EXPECT_EQ(GetWindowLongPtrW(popup, GWL_STYLE) & WS_CAPTION, 0);
    RECT window;
    GetWindowRect(popup, &window);
    EXPECT_EQ(window.right - window.left, 150);
    EXPECT_EQ(ClientOf(popup).height, 90);
}

} // namespace
