// The settings hub: the user hotkey, the portable switch and the way to every other dialog.
// Created hidden at start-up; its button handlers are also the tray menu's actions.
#pragma once

#include "core/MainForm.h"
#include "dialogs/DialogLogic.h"
#include "dialogs/OpenedDialogs.h"
#include "dialogs/ShortcutField.h"

namespace dialogs {

class TAdmindata;

class THauptformular : public DialogLogic, public core::Hauptformular {
  public:
    // Its control names, also its INI keys.
    static constexpr ControlName kInstallbutton{"installbutton"};
    static constexpr ControlName kAdmibutton{"admibutton"};
    static constexpr ControlName kInfobut{"infobut"};
    static constexpr ControlName kLaufwerkbut{"laufwerkbut"};
    static constexpr ControlName kEditbutton{"editbutton"};
    static constexpr ControlName kAussehenbut{"aussehenbut"};
    static constexpr ControlName kOkbut{"okbut"};
    static constexpr ControlName kClosebut{"Closebut"};
    static constexpr ControlName kHelpBut{"HelpBut"};
    static constexpr ControlName kKuerzel{"kuerzel"};
    static constexpr ControlName kPortableModus{"PortableModus"};

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

    // The values another program stored for it, taken while it is hidden: the user hotkey, and
    // the portable switch with the table of the file that it chooses.
    void TakeStoredValues();
    // Whether it or a list editor is open: the bindings in memory may then hold changes not
    // saved yet.
    bool EditsOpen() const;

    void Show() override { DialogLogic::Show(); }
    void Run(core::HubAction action) override;

  protected:
    void FormShow() override;

  private:
    // The hub's own values, as its controls or the file hold them.
    struct HubValues {
        std::string kuerzel;
        bool portable;
    };

    void FormCreate();
    HubValues StoredValues() const;
    HubValues ShownValues() const;
    void KeepOutsideValues();

    core::Tmain& main_;
    ShortcutField kuerzel_;
    TAdmindata* admin_ = nullptr;
    HubValues storedAtShow_{};
    HubValues shownAtShow_{};
    OpenedDialogs opened_{*this}; // the list editors, drive and appearance dialogs
};

} // namespace dialogs
