// The admin dialog: the admin hotkey and the administrator account. Created hidden at start-up.
#pragma once

#include "dialogs/DialogLogic.h"
#include "dialogs/ShortcutField.h"

namespace dialogs {

// Its control names, also its INI keys.
namespace admindata {
inline constexpr char kBenutzername[] = "benutzername";
inline constexpr char kPasswort[] = "passwort";
inline constexpr char kKuerzel[] = "kuerzel";
inline constexpr char kOkbut[] = "okbut";
inline constexpr char kHelpbut[] = "helpbut";
} // namespace admindata

class TAdmindata : public DialogLogic {
  public:
    // Runs FormCreate.
    TAdmindata(core::ProgramState& state, ViewFactory& views);

    static const DialogLayout& Form();

    // Takes over user name and password and sets the admin hotkey unless it equals the user's.
    void Savedata();
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
