// The settings hub: the user hotkey, the portable switch and the way to every other dialog.
// Created hidden at start-up; its button handlers are also the tray menu's actions.
#pragma once

#include "core/ProgramState.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace core {
class Tmain;
}

namespace dialogs {

class TAdmindata;

class THauptformular : public QDialog {
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
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

  private:
    void FormCreate();
    void FormShow();
    void FormClose();
    QPushButton* AddButton(const char* name, const QString& caption, int left, int top, int width,
                           int helpContext, int image, const QString& hint);

    core::ProgramState& state_;
    core::Tmain& main_;
    TAdmindata* admin_ = nullptr;
};

} // namespace dialogs
