// The hotkey backend of the logic tests: a window system in memory, driven through
// fakes/FakeHotkeys.h. It refuses as the real ones do: a shortcut that another program (or
// another registration) holds, and silently a key no keyboard types (virtual key 0).
#include "components/HotkeyRegistration.h"
#include "support/FakeHotkeys.h"

#include <algorithm>

namespace components {

struct HotkeyRegistration::Impl {
    std::function<void()> onPress;
    ShortcutValue shortcut = 0;
    bool registered = false;
    bool heldElsewhere = false;
};

} // namespace components

namespace testing_support::fake_hotkeys {

namespace {

using components::HotkeyRegistration;

struct WindowSystem {
    std::vector<HotkeyRegistration::Impl*> held;
    std::vector<ShortcutValue> elsewhere;
    std::vector<ShortcutValue> registered, released, refused;
};

WindowSystem& TheWindowSystem() {
    static WindowSystem system;
    return system;
}

ShortcutValue ShortcutOf(std::uint8_t virtualKey, unsigned modifiers) {
    return static_cast<ShortcutValue>(
        virtualKey | ((modifiers & components::kModShift) ? components::kShortcutShift : 0) |
        ((modifiers & components::kModControl) ? components::kShortcutCtrl : 0) |
        ((modifiers & components::kModAlt) ? components::kShortcutAlt : 0));
}

HotkeyRegistration::Impl* HolderOf(ShortcutValue shortcut) {
    for (HotkeyRegistration::Impl* registration : TheWindowSystem().held) {
        if (registration->shortcut == shortcut) {
            return registration;
        }
    }
    return nullptr;
}

bool Contains(const std::vector<ShortcutValue>& list, ShortcutValue shortcut) {
    return std::find(list.begin(), list.end(), shortcut) != list.end();
}

} // namespace

void Reset() {
    WindowSystem& system = TheWindowSystem();
    system.elsewhere.clear();
    system.registered.clear();
    system.released.clear();
    system.refused.clear();
}

void HoldElsewhere(ShortcutValue shortcut) {
    TheWindowSystem().elsewhere.push_back(shortcut);
}

std::vector<ShortcutValue> Held() {
    std::vector<ShortcutValue> shortcuts;
    for (const HotkeyRegistration::Impl* registration : TheWindowSystem().held) {
        shortcuts.push_back(registration->shortcut);
    }
    return shortcuts;
}

bool IsHeld(ShortcutValue shortcut) {
    return HolderOf(shortcut) != nullptr;
}

std::vector<ShortcutValue> Registered() {
    return TheWindowSystem().registered;
}

std::vector<ShortcutValue> Released() {
    return TheWindowSystem().released;
}

std::vector<ShortcutValue> Refused() {
    return TheWindowSystem().refused;
}

bool Press(ShortcutValue shortcut) {
    HotkeyRegistration::Impl* holder = HolderOf(shortcut);
    if (holder == nullptr) {
        return false;
    }
    if (holder->onPress) {
        holder->onPress();
    }
    return true;
}

} // namespace testing_support::fake_hotkeys

namespace components {

namespace fake = testing_support::fake_hotkeys;

HotkeyRegistration::HotkeyRegistration(std::function<void()> onPress)
    : impl_(std::make_unique<Impl>()) {
    impl_->onPress = std::move(onPress);
}

HotkeyRegistration::~HotkeyRegistration() {
    Unregister();
}

bool HotkeyRegistration::Register(std::uint8_t virtualKey, unsigned modifiers) {
    Unregister();
    fake::WindowSystem& system = fake::TheWindowSystem();
    impl_->shortcut = fake::ShortcutOf(virtualKey, modifiers);
    impl_->heldElsewhere = virtualKey != 0 && (fake::Contains(system.elsewhere, impl_->shortcut) ||
                                               fake::HolderOf(impl_->shortcut) != nullptr);
    impl_->registered = virtualKey != 0 && !impl_->heldElsewhere;
    if (impl_->registered) {
        system.held.push_back(impl_.get());
        system.registered.push_back(impl_->shortcut);
    } else {
        system.refused.push_back(impl_->shortcut);
    }
    return impl_->registered;
}

void HotkeyRegistration::Unregister() {
    if (!impl_->registered) {
        return;
    }
    fake::WindowSystem& system = fake::TheWindowSystem();
    system.held.erase(std::find(system.held.begin(), system.held.end(), impl_.get()));
    system.released.push_back(impl_->shortcut);
    impl_->registered = false;
}

bool HotkeyRegistration::Registered() const {
    return impl_->registered;
}

bool HotkeyRegistration::HeldElsewhere() const {
    return impl_->heldElsewhere;
}

// Every key of the fake keyboard exists.
bool HotkeyRegistration::NotAvailable() const {
    return false;
}

} // namespace components
