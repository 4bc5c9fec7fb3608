// One registration of a system-wide shortcut with the window system; each platform has its own.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>

namespace components {

class HotkeyRegistration {
  public:
    // onPress runs in the main thread, once per press.
    explicit HotkeyRegistration(std::function<void()> onPress);
    ~HotkeyRegistration();
    HotkeyRegistration(const HotkeyRegistration&) = delete;
    HotkeyRegistration& operator=(const HotkeyRegistration&) = delete;

    // False, silently, when the window system refuses (another program holds the shortcut).
    bool Register(std::uint8_t virtualKey, unsigned modifiers);
    // Does nothing when nothing is registered.
    void Unregister();
    // Whether the window system holds the shortcut for this registration now; a keyboard
    // mapping change can take it away.
    bool Registered() const;

    // The window system refused the shortcut because another program holds it; not so for a
    // key the keyboard cannot type, nor where the session has no global shortcuts at all.
    bool HeldElsewhere() const;
    // The window system has global shortcuts, yet no key of the keyboard as it is mapped now
    // makes this one.
    bool NotAvailable() const;

    struct Impl;

  private:
    std::unique_ptr<Impl> impl_;
};

} // namespace components
