// The tray menu built from its table: the entries in order, the settings submenu, the pictures
// of the hub's image list (put in the first time it opens, not at start-up), a command id per
// entry. Chosen with the left mouse button only.
#pragma once

#include "core/TrayMenu.h"

#include <map>
#include <optional>

#include <windows.h>

namespace win32face {

class PopupMenu {
  public:
    PopupMenu();
    ~PopupMenu();
    PopupMenu(const PopupMenu&) = delete;
    PopupMenu& operator=(const PopupMenu&) = delete;

    HMENU Handle() const { return menu_; }
    static UINT CommandId(core::MenuItem item);
    // The entry of a WM_COMMAND id; nothing for ids that are not the tray menu's.
    static std::optional<core::MenuItem> ItemOfCommand(UINT id);

    void SetEnabled(core::MenuItem item, bool enabled);
    // Opens at a screen point; the choice comes to owner as WM_COMMAND.
    void OpenAt(HWND owner, POINT where);

  private:
    struct Place {
        HMENU menu;
        UINT position;
    };
    void PutPictures();

    HMENU menu_;
    std::map<core::MenuItem, Place> places_;
    bool pictured_ = false;
};

} // namespace win32face
