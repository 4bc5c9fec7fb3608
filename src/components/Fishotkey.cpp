#include "components/Fishotkey.h"

#include "components/HotkeyRegistration.h"

namespace components {

Tfishotkey::Tfishotkey()
    : registration_(std::make_unique<HotkeyRegistration>([this] {
          if (Onhotkey) {
              Onhotkey();
          }
      })) {}

Tfishotkey::~Tfishotkey() {
    UnregisterKey();
}

void Tfishotkey::SetKey(ShortcutValue value) {
    if (value == key_) {
        return;
    }
    key_ = value;
    UnregisterKey();
    if (enabled_) {
        RegisterKey();
    }
}

void Tfishotkey::SetEnabled(bool value) {
    enabled_ = value;
    if (value) {
        RegisterKey();
    } else {
        UnregisterKey();
    }
}

void Tfishotkey::RegisterKey() {
    if (registered_) {
        return;
    }
    registered_ = registration_->Register(VirtualKeyOf(key_), HotkeyModifiersOf(key_));
}

void Tfishotkey::UnregisterKey() {
    if (registered_) {
        registration_->Unregister();
        registered_ = false;
    }
}

} // namespace components
