// The settings hub: the user hotkey, the portable switch and the way to every other dialog.
// Created hidden at start-up; its button handlers are also the tray menu's actions.
#pragma once

#include "core/HauptformularControls.h"
#include "core/MainForm.h"
#include "dialogs/DialogLogic.h"
#include "dialogs/Info.h"
#include "dialogs/OpenedDialogs.h"
#include "dialogs/ShortcutField.h"

namespace dialogs {

class TAdmindata;

class THauptformular : public DialogLogic, public core::Hauptformular {
  public:
    // Its control names, also its INI keys.
    static constexpr ControlName kInstallbutton{core::hauptformular::kInstallbutton};
    static constexpr ControlName kAdmibutton{core::hauptformular::kAdmibutton};
    static constexpr ControlName kInfobut{core::hauptformular::kInfobut};
    static constexpr ControlName kLaufwerkbut{core::hauptformular::kLaufwerkbut};
    static constexpr ControlName kEditbutton{core::hauptformular::kEditbutton};
    static constexpr ControlName kAussehenbut{core::hauptformular::kAussehenbut};
    static constexpr ControlName kOkbut{core::hauptformular::kOkbut};
    static constexpr ControlName kClosebut{core::hauptformular::kClosebut};
    static constexpr ControlName kHelpBut{core::hauptformular::kHelpBut};
    static constexpr ControlName kKuerzel{core::hauptformular::kKuerzel};
    static constexpr ControlName kPortableModus{core::hauptformular::kPortableModus};

    // Runs FormCreate.
    THauptformular(core::ProgramState& state, core::Tmain& main, ViewFactory& views);

    static const DialogLayout& Form();
    void SetAdminDialog(TAdmindata* admin) { admin_ = admin; }

    void FormClose() override;
    void KuerzelKeyDown(unsigned virtualKey, components::ShiftState shift);
    void OkbutClick();
    void ClosebutClick();
    void HrelpClick();
    void AdmibuttonClick();
    void LaufwerkbutClick();
    void AussehenbutClick();
    void EditbuttonClick();
    void InfobutClick();
    void InstallbuttonClick();

    // What the info dialog takes from the system; a test puts its own.
    InfoSystem infoSystem;

    void Show() override { DialogLogic::Show(); }
    bool Offers(const std::string& button) const override;
    void Clicked(const std::string& control) override { DialogLogic::Clicked(control); }

  protected:
    void FormShow() override;

  private:
    void FormCreate();

    core::Tmain& main_;
    ShortcutField kuerzel_;
    TAdmindata* admin_ = nullptr;
    OpenedDialogs opened_; // the list editors, drive and appearance dialogs
};

} // namespace dialogs
