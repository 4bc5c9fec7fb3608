// One dialog that holds a control of every kind, named after its kind, and a logic over it
// that records what the face tells it. Logic and face tests drive it alike.
#pragma once

#include "dialogs/DialogLogic.h"

#include <string>
#include <vector>

namespace testing_support {

// Every control kind, in the order of ControlKind.
const std::vector<dialogs::ControlKind>& EveryKind();
std::string NameOf(dialogs::ControlKind kind);

// A control of each kind (a button in the group box besides), at places one below another.
const dialogs::DialogLayout& EveryKindLayout();

class EveryKindDialog : public dialogs::DialogLogic {
  public:
    EveryKindDialog(core::ProgramState& state, dialogs::ViewFactory& views);

    dialogs::DialogView& View() { return view_; }
    using DialogLogic::LoadFormState;
    using DialogLogic::SaveFormState;

    std::vector<std::string> clicked, changed, doubleClicked;
    int closes = 0;

  protected:
    void FormClose() override { ++closes; }
};

} // namespace testing_support
