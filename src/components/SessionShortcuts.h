// Global shortcuts that a desktop service carries where no program may grab a key (the portal
// of a Wayland session). A face installs one; every hotkey then binds through it instead of
// through the window system, and the program's logic does not see the difference.
#pragma once

#include "components/ShortcutValue.h"

namespace components {

class Tfishotkey;

// Why a hotkey that the desktop's service carries brings nothing up: the session has no such
// service, or the desktop gave the shortcut no key (it may give one later).
enum class SessionShortcutGap { NoService, NoKeyAssigned };

class SessionShortcuts {
  public:
    // The hotkey is enabled with this key; its presses raise the hotkey's Onhotkey.
    virtual void Bind(Tfishotkey& hotkey, ShortcutValue key) = 0;
    // Presses raise nothing until the next Bind.
    virtual void Unbind(Tfishotkey& hotkey) = 0;
    virtual bool Bound(const Tfishotkey& hotkey) const = 0;

  protected:
    ~SessionShortcuts() = default;
};

// nullptr gives the hotkeys back to the window system.
void UseSessionShortcuts(SessionShortcuts* service);

} // namespace components
