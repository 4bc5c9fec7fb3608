// The settings hub: the user hotkey, the portable switch and the way to every other dialog.
// Created hidden at start-up; its button handlers are also the tray menu's actions.
#pragma once

#include "core/MainForm.h"
#include "dialogs/HotkeyDialog.h"

namespace dialogs {

class TAdmindata;

class THauptformular : public HotkeyDialog, public core::SettingsHub {
  public:
    // Runs FormCreate.
    THauptformular(core::ProgramState& state, core::Tmain& main, DialogView& view);

    static const FormLayout& Form();
    void SetAdminDialog(TAdmindata* admin) { admin_ = admin; }

    void FormClose() override;
    void OkbutClick();
    void ClosebutClick();
    void HrelpClick();
    void AdmibuttonClick();

    const FormLayout& Layout() const override { return Form(); }
    void Click(const std::string& control) override;
    void ShowOrFocus() override { Show(); }
    bool Offers(const std::string& button) const override;

  protected:
    void FormShow() override;

  private:
    void FormCreate();

    core::Tmain& main_;
    TAdmindata* admin_ = nullptr;
};

} // namespace dialogs
