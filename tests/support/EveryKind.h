// One dialog that holds a control of every kind, named after its kind, and a logic over it
// that records what the face tells it. Logic and face tests drive it alike.
#pragma once

#include "dialogs/DialogLogic.h"
#include "support/ScriptedAnswers.h"

#include <string>
#include <vector>

namespace testing_support {

// Every control kind, in the order of ControlKind.
const std::vector<dialogs::ControlKind>& EveryKind();
std::string NameOf(dialogs::ControlKind kind);

// A control of each kind (a button in the group box besides), at places one below another;
// the path field and the grid accept files.
const dialogs::DialogLayout& EveryKindLayout();

// Gives every control a value its kind holds (round 0 and round 1 give different ones), and
// expects each to read back as set: text, number, items, rows.
void SetSamples(dialogs::DialogView& view, int round);
void ExpectSamples(const dialogs::DialogView& view, int round);

// Asks every question once and expects the queued answers: Yes, a saved file's name, no folder,
// a colour.
void QueueAnswers(ScriptedAnswers& answers);
void ExpectEveryQuestionAnswered(dialogs::DialogView& view, const ScriptedAnswers& answers);

// The layouts of the program's seven dialogs, the info dialog's in each of its languages.
const std::vector<const dialogs::DialogLayout*>& EveryDialogLayout();

// Takes what a face tells and lets it go: for a face's dialog drawn without its logic.
class IgnoredEvents : public dialogs::DialogEvents {
  public:
    void Clicked(const std::string&) override {}
    void Changed(const std::string&) override {}
    void DoubleClicked(const std::string&) override {}
    void FilesDropped(const std::string&, int, const std::vector<std::string>&) override {}
    void KeyDown(const std::string&, unsigned, components::ShiftState) override {}
    void CloseRequested() override {}
    void Resized(int, int) override {}
};

class EveryKindDialog : public dialogs::DialogLogic {
  public:
    EveryKindDialog(core::ProgramState& state, dialogs::ViewFactory& views);

    dialogs::DialogView& View() { return view_; }
    using DialogLogic::LoadFormState;
    using DialogLogic::SaveFormState;

    std::vector<std::string> clicked, changed, doubleClicked;
    // "control row path" of each drop.
    std::vector<std::string> dropped;
    int closes = 0;

  protected:
    void FormClose() override { ++closes; }
};

} // namespace testing_support
