// The admin dialog: the admin hotkey and the administrator account. Created hidden at start-up.
#pragma once

#include "core/ProgramState.h"

#include <QDialog>

class QLineEdit;

namespace core {
class Tmain;
}

namespace dialogs {

class TAdmindata : public QDialog {
    Q_OBJECT

  public:
    TAdmindata(core::ProgramState& state, core::Tmain& main, QWidget* parent = nullptr);

    // Takes over user name and password and sets the admin hotkey unless it equals the user's.
    void Savedata();
    void OkbutClick();
    void HelpbutClick();

    QLineEdit* benutzername;
    QLineEdit* passwort;
    QLineEdit* kuerzel;

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

  private:
    void FormCreate();
    void FormShow();
    void FormClose();

    core::ProgramState& state_;
    core::Tmain& main_;
};

} // namespace dialogs
