// A dialog drawn with Qt from its logic's layout: a frame (fixed, tool window or sizable) with
// a control of each kind at its place, hints, help contexts and tab order. The window and its
// widgets are made the first time they are needed; until then the controls keep their values.
// Events go to the logic; every close by the user too.
#pragma once

#include "dialogs/NamedControls.h"
#include "gui/qt/controls/Control.h"

#include <QPointer>

#include <vector>

class QDialog;

namespace qtface {

class DialogWidget;

class Dialog : public dialogs::NamedControls<Control> {
  public:
    Dialog(const dialogs::DialogLayout& layout, dialogs::DialogEvents& events);
    ~Dialog() override;

    const dialogs::DialogLayout& Layout() const { return layout_; }
    // The dialog's window, made now if it was not yet.
    QDialog* Window();

    bool IsShown() const override;
    void ShowForm() override;
    void FocusForm() override;
    dialogs::Closed ShowModal() override;
    void HideForm(dialogs::Closed how) override;
    void SetOwner(dialogs::DialogView& owner) override;

    dialogs::Answer Ask(const dialogs::MessageQuestion& question) override;
    std::optional<std::string> AskPath(const dialogs::PathQuestion& question) override;
    std::optional<int> AskColor(int current) override;
    void ShowHelp(int helpContext) override;
    void ProcessPendingEvents() override;

  private:
    friend class DialogWidget;
    QWidget* Parent() const; // for the questions: the window while it is shown

    const dialogs::DialogLayout& layout_;
    // The layout widened to the captions in the fonts drawn, from the window's making on.
    dialogs::DialogLayout fitted_;
    dialogs::DialogEvents& events_;
    Dialog* owner_ = nullptr;
    QPointer<DialogWidget> window_; // an owner's window takes it along when it goes first
    bool modal_ = false;
    dialogs::Closed closed_ = dialogs::Closed::CloseBox;
};

} // namespace qtface
