#include "gui/win32/MainWindow.h"

#include "components/Foreground.h"
#include "dialogs/HelpTopics.h"
#include "dialogs/Questions.h"
#include "gui/win32/WindowBasics.h"

#include <windowsx.h>

namespace win32face {

namespace {

constexpr int kSmallestFont = -1; // one pixel: size 0 still draws

} // namespace

MainWindow::MainWindow()
    : tray_(kTrayMessage, L"Rechts klicken um Menü aufzurufen"),
      taskbarCreated_(RegisterWindowMessageW(L"TaskbarCreated")),
      host_([this](UINT message, WPARAM, LPARAM lParam) { return OnHostMessage(message, lParam); }),
      labelText_(L"Tippomat aktiv!"), background_(GetSysColor(COLOR_BTNFACE)) {
    tray_.SetWindow(host_.Handle());
}

// The icon goes before the host hands the guard back.
MainWindow::~MainWindow() {
    tray_.Remove();
    if (window_ != nullptr) {
        DestroyWindow(window_);
    }
    DeleteObject(labelFont_);
}

// Made at its first use, after the tray icon: its class's icons are read only then.
HWND MainWindow::Popup() const {
    if (window_ == nullptr) {
        static const ATOM windowClass =
            RegisterWindowClass(kClassName, WindowProcedure<MainWindow>, -1);
        (void)windowClass;
        window_ = CreateWindowExW(kPopupExStyle, kClassName, L"Tippomat", kPopupStyle, 6, 37, 219,
                                  143, nullptr, nullptr, GetModuleHandleW(nullptr),
                                  const_cast<MainWindow*>(this));
        hints_.Set(window_, "Tippomat");
    }
    return window_;
}

PopupMenu& MainWindow::Menu() const {
    if (menu_ == nullptr) {
        menu_ = std::make_unique<PopupMenu>();
    }
    return *menu_;
}

bool MainWindow::OnHostMessage(UINT message, LPARAM lParam) {
    if (message == kTrayMessage) {
        TrayEvent(static_cast<UINT>(lParam));
        return true;
    }
    if (message == taskbarCreated_) {
        tray_.ShowAgain();
        return true;
    }
    return false;
}

LRESULT MainWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        Paint();
        return 0;
    case WM_TIMER:
        if (wParam == kBlinkTimer && logic_ != nullptr) {
            logic_->Timertimer();
        }
        return 0;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        if (logic_ != nullptr) {
            logic_->Formkeydown(static_cast<unsigned>(wParam));
        }
        break;
    case WM_CHAR:
        if (logic_ != nullptr) {
            logic_->Formkeypress(static_cast<char32_t>(wParam));
        }
        return 0;
    case WM_LBUTTONDOWN:
        MouseDown(core::MouseButton::Left, lParam);
        return 0;
    case WM_RBUTTONDOWN:
        MouseDown(core::MouseButton::Right, lParam);
        return 0;
    case WM_MBUTTONDOWN:
    case WM_XBUTTONDOWN:
        MouseDown(core::MouseButton::Other, lParam);
        return 0;
    case WM_COMMAND:
        if (const auto item = PopupMenu::ItemOfCommand(LOWORD(wParam)); item && logic_ != nullptr) {
            logic_->MenuClick(*item);
        }
        return 0;
    case WM_SYSCOMMAND:
        // Every minimise, also the frame's, hides the window to the tray.
        if ((wParam & 0xFFF0) == SC_MINIMIZE) {
            if (logic_ != nullptr) {
                logic_->ApplicationEvents1Minimize();
            }
            return 0;
        }
        break;
    case WM_CLOSE:
        // Closing the main window (the close box of the framed style, Alt+F4) ends the program.
        if (logic_ != nullptr) {
            logic_->Beenden1Click();
        }
        return 0;
    case WM_QUERYENDSESSION:
        return TRUE;
    case WM_ENDSESSION:
        // The process may end as soon as this returns: what the end saves is saved now.
        if (wParam != FALSE && logic_ != nullptr) {
            logic_->Beenden1Click();
            logic_->FormDestroy();
        }
        return 0;
    case WM_MOUSEMOVE:
        // The tooltip and the common controls it comes from are loaded when the pointer first
        // comes over the popup: until then they would only take memory.
        hints_.Ready();
        break;
    case WM_NOTIFY:
        if (hints_.Answer(*reinterpret_cast<NMHDR*>(lParam))) {
            return 0;
        }
        break;
    case WM_HELP:
        // F1 in the popup starts its binding; help serves the menu only.
        if (reinterpret_cast<const HELPINFO*>(lParam)->iContextType == HELPINFO_MENUITEM) {
            dialogs::ShowHelpTopic(window_, core::Tmain::kHelpContext);
        }
        return TRUE;
    default:
        break;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

void MainWindow::Paint() {
    PAINTSTRUCT paint;
    const HDC dc = BeginPaint(window_, &paint);
    Draw(dc);
    EndPaint(window_, &paint);
}

void MainWindow::Draw(HDC dc) const {
    RECT client;
    GetClientRect(window_, &client);
    const HBRUSH brush = CreateSolidBrush(background_);
    FillRect(dc, &client, brush);
    DeleteObject(brush);
    const HGDIOBJ oldFont = SelectObject(dc, labelFont_);
    SetTextColor(dc, RGB(255, 255, 255));
    SetBkMode(dc, TRANSPARENT);
    RECT label = label_;
    DrawTextW(dc, labelText_.c_str(), -1, &label, DT_CENTER | DT_NOPREFIX | DT_NOCLIP);
    SelectObject(dc, oldFont);
}

// Presses on the text are the label's, which ignores them.
void MainWindow::MouseDown(core::MouseButton button, LPARAM where) {
    const POINT point{GET_X_LPARAM(where), GET_Y_LPARAM(where)};
    if (logic_ != nullptr && !PtInRect(&label_, point)) {
        logic_->FormMouseDown(button);
    }
}

// Any button down asks the logic for the entries' states; the right button's release opens
// the menu.
void MainWindow::TrayEvent(UINT mouseMessage) {
    if (logic_ == nullptr) {
        return;
    }
    switch (mouseMessage) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        logic_->TrayIcon1MouseDown();
        break;
    case WM_RBUTTONUP:
        OpenMenuAtCursor();
        break;
    default:
        break;
    }
}

void MainWindow::SetBackground(int windowsColor) {
    background_ = ColorRefOf(windowsColor);
    InvalidateRect(Popup(), nullptr, FALSE);
}

void MainWindow::SetHint(const std::string& hint) {
    hints_.Set(Popup(), hint);
}

void MainWindow::SetLabelText(const std::string& text) {
    labelText_ = WideLines(text);
    InvalidateRect(Popup(), nullptr, FALSE);
}

core::Size MainWindow::SetLabelFontSize(int points) {
    const int dpi = static_cast<int>(DpiOf(Popup()));
    return SetLabelFont(points > 0 ? -MulDiv(points, dpi, 72) : kSmallestFont);
}

// The label takes the size of its text.
core::Size MainWindow::SetLabelFont(int height) {
    DeleteObject(labelFont_);
    labelFont_ = CreateTahoma(height);
    const HWND popup = Popup();
    const HDC dc = GetDC(popup);
    const HGDIOBJ oldFont = SelectObject(dc, labelFont_);
    RECT extent{0, 0, 0, 0};
    DrawTextW(dc, labelText_.c_str(), -1, &extent, DT_CALCRECT | DT_NOPREFIX);
    SelectObject(dc, oldFont);
    ReleaseDC(popup, dc);
    label_.right = label_.left + extent.right;
    label_.bottom = label_.top + extent.bottom;
    InvalidateRect(popup, nullptr, FALSE);
    return {extent.right, extent.bottom};
}

void MainWindow::MoveLabel(int left, int top) {
    OffsetRect(&label_, left - label_.left, top - label_.top);
    InvalidateRect(Popup(), nullptr, FALSE);
}

void MainWindow::SetBlinkInterval(int milliseconds) {
    blinkInterval_ = static_cast<UINT>(milliseconds);
    if (blinking_) {
        SetTimer(Popup(), kBlinkTimer, blinkInterval_, nullptr);
    }
}

void MainWindow::SetBlinking(bool running) {
    blinking_ = running;
    if (running) {
        SetTimer(Popup(), kBlinkTimer, blinkInterval_, nullptr);
    } else {
        KillTimer(window_, kBlinkTimer);
    }
}

// The window exists from its first use after the start, its font from the fitting. Drawn once
// off screen now, the label has its glyphs made before the first show, which then only copies
// them.
void MainWindow::PreparePopup() {
    const HWND popup = Popup();
    const core::Size size = ClientSize();
    const HDC screen = GetDC(popup);
    const HDC memory = CreateCompatibleDC(screen);
    const HBITMAP bitmap = CreateCompatibleBitmap(screen, size.width, size.height);
    const HGDIOBJ oldBitmap = SelectObject(memory, bitmap);
    Draw(memory);
    SelectObject(memory, oldBitmap);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(popup, screen);
}

bool MainWindow::IsPopupShown() const {
    return window_ != nullptr && IsWindowVisible(window_) != FALSE;
}

// Shown, it is active and has the keyboard (a window without children takes the focus on
// activation); it stays topmost from its creation. The system refuses the foreground only to a
// program that did not get the last input (a hand-over from a second start): then it is forced.
void MainWindow::ShowPopup() {
    const HWND popup = Popup();
    ShowWindow(popup, SW_SHOWNORMAL);
    if (!SetForegroundWindow(popup)) {
        components::ForceForeground(reinterpret_cast<std::uintptr_t>(popup));
    }
}

void MainWindow::HidePopup() {
    if (window_ != nullptr) {
        ShowWindow(window_, SW_HIDE);
    }
}

// Restoring the program shows its main window, in front.
void MainWindow::BringToFront() {
    ShowPopup();
}

void MainWindow::ShowTrayIcon() {
    tray_.Show();
}

void MainWindow::ShowNotice(const std::string& title, const std::string& text) {
    if (tray_.Notify(title, text)) {
        lastNotice_ = text;
    }
}

void MainWindow::SetMenuItemEnabled(core::MenuItem item, bool enabled) {
    Menu().SetEnabled(item, enabled);
}

void MainWindow::OpenMenuAtCursor() {
    POINT cursor;
    GetCursorPos(&cursor);
    Menu().OpenAt(Popup(), cursor);
}

void MainWindow::ShowMessage(core::MessageKind kind, const std::string& text, int helpContext) {
    dialogs::Ask(IsPopupShown() ? window_ : nullptr,
                 {kind, text, dialogs::MessageButtons::Ok, helpContext});
}

void MainWindow::EndProgram() {
    PostQuitMessage(0);
}

} // namespace win32face
