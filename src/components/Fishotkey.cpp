#include "components/Fishotkey.h"

#include "components/HotkeyRegistration.h"
#include "components/SessionShortcuts.h"

namespace components {

namespace {

SessionShortcuts*& Service() {
    static SessionShortcuts* service = nullptr;
    return service;
}

} // namespace

void UseSessionShortcuts(SessionShortcuts* service) {
    Service() = service;
}

Tfishotkey::Tfishotkey()
    : registration_(std::make_unique<HotkeyRegistration>([this] {
          if (Onhotkey) {
              Onhotkey();
          }
      })) {}

Tfishotkey::~Tfishotkey() {
    UnregisterKey();
}

bool Tfishotkey::HeldElsewhere() const {
    return enabled_ && key_ != 0 && !Registered() && registration_->HeldElsewhere();
}

bool Tfishotkey::NotAvailable() const {
    return enabled_ && key_ != 0 && !Registered() && registration_->NotAvailable();
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

bool Tfishotkey::Registered() const {
    return Service() != nullptr ? Service()->Bound(*this) : registration_->Registered();
}

void Tfishotkey::RegisterKey() {
    if (Service() != nullptr) {
        Service()->Bind(*this, key_);
    } else if (!Registered()) {
        registration_->Register(VirtualKeyOf(key_), HotkeyModifiersOf(key_));
    }
}

// Also a registration whose grab a mapping change has taken away: it must not come back.
void Tfishotkey::UnregisterKey() {
    if (Service() != nullptr) {
        Service()->Unbind(*this);
    }
    registration_->Unregister();
}

} // namespace components
