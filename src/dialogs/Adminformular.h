// The admin dialog: the admin hotkey and the administrator account. Created hidden at start-up.
#pragma once

#include "dialogs/HotkeyDialog.h"

namespace dialogs {

class TAdmindata : public HotkeyDialog {
  public:
    // Runs FormCreate.
    TAdmindata(core::ProgramState& state, DialogView& view);

    static const FormLayout& Form();

    // Takes over user name and password and sets the admin hotkey unless it equals the user's.
    void Savedata();
    void FormClose() override;
    void OkbutClick();
    void HelpbutClick();

    const FormLayout& Layout() const override { return Form(); }
    void Click(const std::string& control) override;

  protected:
    void FormShow() override;

  private:
    void FormCreate();
};

} // namespace dialogs
