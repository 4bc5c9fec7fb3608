// The admin dialog: the admin hotkey and the administrator account. Created hidden at start-up.
#pragma once

#include "dialogs/DialogLogic.h"
#include "dialogs/ShortcutField.h"

namespace dialogs {

class TAdmindata : public DialogLogic {
  public:
    // Its control names, also its INI keys.
    static constexpr ControlName kBenutzername{"benutzername"};
    static constexpr ControlName kPasswort{"passwort"};
    static constexpr ControlName kKuerzel{"kuerzel"};
    static constexpr ControlName kOkbut{"okbut"};
    static constexpr ControlName kHelpbut{"helpbut"};

    // Runs FormCreate.
    TAdmindata(core::ProgramState& state, ViewFactory& views);

    static const DialogLayout& Form();

    // Takes over user name and password and sets the admin hotkey unless it equals the user's.
    void Savedata();
    // The values another program stored for it, taken while it is hidden.
    void TakeStoredValues();
    void FormClose() override;
    void KuerzelKeyDown(unsigned virtualKey, components::ShiftState shift);
    void OkbutClick();
    void HelpbutClick();

  protected:
    void FormShow() override;

  private:
    void FormCreate();

    ShortcutField kuerzel_;
};

} // namespace dialogs
