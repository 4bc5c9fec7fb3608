#include "gui/win32/PopupMenu.h"

#include "gui/win32/Pictures.h"
#include "platform/WinText.h"

namespace win32face {

namespace {

constexpr UINT kFirstCommand = 100;

} // namespace

PopupMenu::PopupMenu() : menu_(CreatePopupMenu()) {
    HMENU submenu = nullptr;
    for (const core::MenuEntry& entry : core::TrayMenu()) {
        const HMENU into = entry.inSubmenu ? submenu : menu_;
        std::wstring caption = platform::Wide(entry.caption);
        MENUITEMINFOW item{};
        item.cbSize = sizeof item;
        item.fMask = MIIM_ID | MIIM_FTYPE;
        item.wID = CommandId(entry.item);
        if (entry.IsSeparator()) {
            item.fType = MFT_SEPARATOR;
        } else {
            item.fMask |= MIIM_STRING;
            item.fType = MFT_STRING;
            item.dwTypeData = caption.data();
        }
        if (entry.OpensSubmenu()) {
            submenu = CreatePopupMenu();
            item.fMask |= MIIM_SUBMENU;
            item.hSubMenu = submenu;
        }
        const UINT position = static_cast<UINT>(GetMenuItemCount(into));
        InsertMenuItemW(into, position, TRUE, &item);
        places_[entry.item] = {into, position};
    }
}

PopupMenu::~PopupMenu() {
    DestroyMenu(menu_);
}

UINT PopupMenu::CommandId(core::MenuItem item) {
    return kFirstCommand + static_cast<UINT>(item);
}

std::optional<core::MenuItem> PopupMenu::ItemOfCommand(UINT id) {
    for (const core::MenuEntry& entry : core::TrayMenu()) {
        if (CommandId(entry.item) == id) {
            return entry.item;
        }
    }
    return std::nullopt;
}

void PopupMenu::SetEnabled(core::MenuItem item, bool enabled) {
    const Place& place = places_.at(item);
    EnableMenuItem(place.menu, place.position, MF_BYPOSITION | (enabled ? MF_ENABLED : MF_GRAYED));
}

void PopupMenu::PutPictures() {
    for (const core::MenuEntry& entry : core::TrayMenu()) {
        if (!entry.IsSeparator()) {
            MENUITEMINFOW item{};
            item.cbSize = sizeof item;
            item.fMask = MIIM_BITMAP;
            item.hbmpItem = PictureBitmap(dialogs::HubImage(entry.image));
            const Place& place = places_.at(entry.item);
            SetMenuItemInfoW(place.menu, place.position, TRUE, &item);
        }
    }
    pictured_ = true;
}

void PopupMenu::OpenAt(HWND owner, POINT where) {
    // The menu closes when the user clicks elsewhere only if its owner is in front; the empty
    // message afterwards lets a second opening work (the system's documented pattern).
    SetForegroundWindow(owner);
    if (!pictured_) {
        PutPictures();
    }
    TrackPopupMenu(menu_, TPM_LEFTBUTTON, where.x, where.y, 0, owner, nullptr);
    PostMessageW(owner, WM_NULL, 0, 0);
}

} // namespace win32face
