// The launcher window drawn with Win32: the topmost popup with its label, blink timer and menu,
// and the tray icon on its host. Events go to Tmain; what Tmain decides is drawn here.
#pragma once

#include "core/MainForm.h"
#include "gui/win32/Hints.h"
#include "gui/win32/PopupMenu.h"
#include "gui/win32/TrayHost.h"
#include "gui/win32/TrayIcon.h"

#include <memory>
#include <string>

#include <windows.h>

namespace win32face {

class MainWindow : public core::MainView {
  public:
    static constexpr const wchar_t* kClassName = L"TippomatMain";
    // Mouse events on the tray icon, the mouse message in lParam.
    static constexpr UINT kTrayMessage = WM_APP + 1;
    static constexpr UINT_PTR kBlinkTimer = 1;

    MainWindow();
    ~MainWindow();
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    // Events reach the logic from now on; nullptr stops them.
    void Attach(core::Tmain* logic) { logic_ = logic; }

    // The popup's window, nullptr before its first use.
    HWND Handle() const { return window_; }
    // Where the tray icon's messages go; nullptr where no window could be made (no display).
    HWND TrayHandle() const { return host_.Handle(); }
    // The tray menu, made at its first use: the start shows the tray icon without it.
    PopupMenu& Menu() const;
    // The last notice the taskbar took.
    const std::string& LastNotice() const { return lastNotice_; }

    core::Size ScreenSize() const override;
    config::WindowBounds Bounds() const override;
    void SetBounds(const config::WindowBounds& bounds) override;
    core::Size ClientSize() const override;
    void SetCaption(const std::string& caption) override;
    void SetFrameStyle(int style) override;
    void SetBareFrame(bool dialogFrame) override;
    void SetBackground(int windowsColor) override;
    void SetHint(const std::string& hint) override;
    void SetLabelText(const std::string& text) override;
    core::Size SetLabelFontSize(int points) override;
    void MoveLabel(int left, int top) override;
    void SetBlinkInterval(int milliseconds) override;
    void SetBlinking(bool running) override;
    void PreparePopup() override;
    bool IsPopupShown() const override;
    void ShowPopup() override;
    void HidePopup() override;
    void BringToFront() override;
    void ShowTrayIcon() override;
    bool TrayAvailable() const override { return tray_.Added(); }
    bool GrabsKeys() const override { return true; }
    void ShowNotice(const std::string& title, const std::string& text) override;
    void SetMenuItemEnabled(core::MenuItem item, bool enabled) override;
    void OpenMenuAtCursor() override;
    void ShowMessage(core::MessageKind kind, const std::string& text, int helpContext) override;
    void EndProgram() override;

  private:
    // The popup: no frame and no taskbar button at first.
    static constexpr DWORD kPopupStyle = WS_POPUP;
    static constexpr DWORD kPopupExStyle = WS_EX_TOPMOST | WS_EX_TOOLWINDOW;

    template <class Window> friend LRESULT CALLBACK WindowProcedure(HWND, UINT, WPARAM, LPARAM);
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    bool OnHostMessage(UINT message, LPARAM lParam);
    HWND Popup() const;
    void Paint();
    void Draw(HDC dc) const;
    void SetFrame(DWORD style, DWORD exStyle);
    // The window rectangle that holds a client area of that size in the current frame.
    RECT FrameAround(int width, int height) const;
    core::Size SetLabelFont(int height);
    void MouseDown(core::MouseButton button, LPARAM where);
    void TrayEvent(UINT mouseMessage);

    core::Tmain* logic_ = nullptr;
    mutable HWND window_ = nullptr;
    mutable Hints hints_{HintStyle::Plain};
    mutable std::unique_ptr<PopupMenu> menu_;
    TrayIcon tray_;
    UINT taskbarCreated_;
    TrayHost host_;
    std::wstring labelText_;
    HFONT labelFont_ = nullptr;
    RECT label_{15, 60, 15, 60};
    COLORREF background_;
    UINT blinkInterval_ = 200;
    bool blinking_ = false;
    std::string lastNotice_;
};

} // namespace win32face
