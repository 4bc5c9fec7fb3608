// A system-wide keyboard shortcut that raises an event in the program's main thread.
#pragma once

#include "components/ShortcutValue.h"

#include <functional>
#include <memory>

namespace components {

class HotkeyRegistration;

class Tfishotkey {
  public:
    Tfishotkey();
    ~Tfishotkey();
    Tfishotkey(const Tfishotkey&) = delete;
    Tfishotkey& operator=(const Tfishotkey&) = delete;

    ShortcutValue Key() const { return key_; }
    bool Enabled() const { return enabled_; }
    // True while the shortcut is registered with the window system (on X11 a keyboard mapping
    // change that makes a grab fail ends that).
    bool Registered() const;
    // Enabled with a key, yet the window system refused it because another program holds it.
    bool HeldElsewhere() const;
    // Enabled with a key that no key of the keyboard makes as it is mapped now.
    bool NotAvailable() const;

    // A new key moves the registration to it; the same key does nothing.
    void SetKey(ShortcutValue value);
    // True registers (once), false unregisters.
    void SetEnabled(bool value);

    // Raised once per press of the shortcut, in the main thread.
    std::function<void()> Onhotkey;

  private:
    void RegisterKey();
    void UnregisterKey();

    bool enabled_ = true;
    ShortcutValue key_ = 0;
    std::unique_ptr<HotkeyRegistration> registration_;
};

} // namespace components
