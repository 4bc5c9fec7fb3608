// The appearance dialog: the popup's blink interval, size, two colours and frame style. Made
// anew at each opening, modeless; every way of closing it stores and applies its values.
#pragma once

#include "config/Appearance.h"
#include "core/MainForm.h"
#include "dialogs/DialogLogic.h"

namespace dialogs {

class TEinstellungenHaupt : public DialogLogic {
  public:
    // Its control names, also its INI keys; the launcher reads four of them (config/Appearance.h).
    static constexpr ControlName kLabel1{"Label1"};
    static constexpr ControlName kBlinkfrequenz{config::kBlinkfrequenzKey};
    static constexpr ControlName kLabel2{"Label2"};
    static constexpr ControlName kLabel3{"Label3"};
    static constexpr ControlName kBreite{config::kBreiteKey};
    static constexpr ControlName kLabel4{"Label4"};
    static constexpr ControlName kLabel5{"Label5"};
    static constexpr ControlName kHoehe{config::kHoeheKey};
    static constexpr ControlName kLabel6{"Label6"};
    static constexpr ControlName kFarbe1{"farbe1"};
    static constexpr ControlName kFarbe2{"farbe2"};
    static constexpr ControlName kStil{config::kStilKey};
    static constexpr ControlName kOKButton{"OKButton"};
    static constexpr ControlName kHelpButton{"HelpButton"};

    // Runs FormCreate.
    TEinstellungenHaupt(core::ProgramState& state, core::Tmain& main, ViewFactory& views);

    static const DialogLayout& Form();

    bool SaveAndApply(); // false when the file could not be written
    void OKButtonClick();
    void HelpButtonClick();

  protected:
    void FormClose() override;

  private:
    void FormCreate();

    core::Tmain& main_;
};

} // namespace dialogs
