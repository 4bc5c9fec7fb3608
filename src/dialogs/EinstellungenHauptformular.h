// The appearance dialog: the popup's blink interval, size, two colours and frame style. Made
// anew at each opening, modeless; every way of closing it stores and applies its values.
#pragma once

#include "core/MainForm.h"
#include "dialogs/DialogLogic.h"

namespace dialogs {

class TEinstellungenHaupt : public DialogLogic {
  public:
    // Runs FormCreate.
    TEinstellungenHaupt(core::ProgramState& state, core::Tmain& main, ViewFactory& views);

    static const DialogLayout& Form();

    void SaveAndApply();
    void OKButtonClick();
    void HelpButtonClick();

  protected:
    void FormClose() override;

  private:
    void FormCreate();

    core::Tmain& main_;
};

} // namespace dialogs
