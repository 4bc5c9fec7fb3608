// The settings hub: the user hotkey, the portable switch and the way to every other dialog.
// Created hidden at start-up; its button handlers are also the tray menu's actions.
#pragma once

#include "dialogs/HotkeyDialog.h"

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace dialogs {

class TAdmindata;

class THauptformular : public HotkeyDialog {
    Q_OBJECT

  public:
    THauptformular(core::ProgramState& state, core::Tmain& main);

    void SetAdminDialog(TAdmindata* admin) { admin_ = admin; }

    void OkbutClick();
    void ClosebutClick();
    void HrelpClick();
    void AdmibuttonClick();

    QLineEdit* kuerzel;
    QCheckBox* PortableModus;

  protected:
    void FormClose() override;

  private:
    void FormCreate();
    QPushButton* AddButton(const char* name, const QString& caption, int left, int top, int width,
                           int helpContext, int image, const QString& hint);

    TAdmindata* admin_ = nullptr;
};

} // namespace dialogs
