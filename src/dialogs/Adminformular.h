// The admin dialog: the admin hotkey and the administrator account. Created hidden at start-up.
#pragma once

#include "dialogs/HotkeyDialog.h"

class QLineEdit;

namespace dialogs {

class TAdmindata : public HotkeyDialog {
    Q_OBJECT

  public:
    TAdmindata(core::ProgramState& state, core::Tmain& main);

    // Takes over user name and password and sets the admin hotkey unless it equals the user's.
    void Savedata();
    void OkbutClick();
    void HelpbutClick();

    QLineEdit* benutzername;
    QLineEdit* passwort;
    QLineEdit* kuerzel;

  protected:
    void FormClose() override;

  private:
    void FormCreate();
};

} // namespace dialogs
