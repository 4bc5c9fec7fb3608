// What the launcher window's logic asks of a face.
#pragma once

#include "config/FormStateFile.h"
#include "core/MessageKind.h"
#include "core/TrayMenu.h"

#include <string>

namespace core {

// The look of the popup: 0 "Normal" (dialog frame), 1 "ohne Rand", 2 "Kreis".
enum PopupStyle : int { kStyleNormal = 0, kStyleBorderless = 1, kStyleCircle = 2 };

enum class MouseButton { Left, Right, Other };

struct Size {
    int width;
    int height;
};

class MainView {
  public:
    virtual Size ScreenSize() const = 0; // the primary screen
    virtual config::WindowBounds Bounds() const = 0;
    virtual void SetBounds(const config::WindowBounds& bounds) = 0;
    virtual Size ClientSize() const = 0;
    virtual void SetCaption(const std::string& caption) = 0;
    // kStyleNormal: dialog frame; kStyleCircle: cut to the ellipse of the current size; any
    // other value: no frame.
    virtual void SetFrameStyle(int style) = 0;
    // The frames the appearance dialog applies: a dialog frame without border icons (so no
    // close box), or no frame at all.
    virtual void SetBareFrame(bool dialogFrame) = 0;
    virtual void SetBackground(int windowsColor) = 0;
    virtual void SetHint(const std::string& hint) = 0;

    virtual void SetLabelText(const std::string& text) = 0;
    // Sets the label's font size in points (0: the smallest the platform draws); the label
    // takes the size of its text, which is returned.
    virtual Size SetLabelFontSize(int points) = 0;
    virtual void MoveLabel(int left, int top) = 0;

    virtual void SetBlinkInterval(int milliseconds) = 0;
    virtual void SetBlinking(bool running) = 0;

    // Makes ahead, without showing anything, what the popup's first show would wait for (its
    // window, its pictures); the tray icon is up by then.
    virtual void PreparePopup() = 0;
    virtual bool IsPopupShown() const = 0;
    // Shown normal, on top, in front, with the keyboard.
    virtual void ShowPopup() = 0;
    virtual void HidePopup() = 0;
    virtual void BringToFront() = 0;

    virtual void ShowTrayIcon() = 0;
    // Whether the desktop has a notification area for the icon now; asked of the desktop itself.
    virtual bool TrayAvailable() const = 0;
    // Whether the program can grab its hotkeys itself; where it cannot (Wayland), only a
    // command bound in the desktop's keyboard settings brings the popup up.
    virtual bool GrabsKeys() const = 0;
    virtual void ShowNotice(const std::string& title, const std::string& text) = 0;
    virtual void SetMenuItemEnabled(MenuItem item, bool enabled) = 0;
    virtual void OpenMenuAtCursor() = 0;

    virtual void ShowMessage(MessageKind kind, const std::string& text, int helpContext) = 0;
    // Ends the message loop without closing the dialogs: their close handlers must not run.
    virtual void EndProgram() = 0;

  protected:
    ~MainView() = default;
};

} // namespace core
