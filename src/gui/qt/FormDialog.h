// A dialog drawn with Qt from its logic's layout: buttons, labelled edits and check boxes at
// their places, with hints, help contexts and tab order. Clicks, keys in edits and every close
// by the user go to the logic. The widgets are made the first time the dialog is shown; until
// then the controls' values are kept here, so the logic can run at start-up without them.
#pragma once

#include "dialogs/Form.h"

#include <map>
#include <memory>

class QDialog;
class QWidget;

namespace gui {

class FormWindow;

class FormDialog : public dialogs::DialogView {
  public:
    explicit FormDialog(const dialogs::FormLayout& layout);
    ~FormDialog();
    // Events reach the logic from now on.
    void Attach(dialogs::FormLogic& logic) { logic_ = &logic; }

    // The dialog's window, made now if it was not yet.
    QDialog* Window();

    std::string Text(const std::string& control) const override;
    void SetText(const std::string& control, const std::string& text) override;
    double Number(const std::string& control) const override;
    void SetNumber(const std::string& control, double value) override;

    bool IsShown() const override;
    void ShowForm() override;
    void FocusForm() override;
    void HideForm() override;
    void ShowMessage(core::MessageKind kind, const std::string& text, int helpContext) override;
    void ShowHelp(int helpContext) override;

  private:
    friend class FormWindow;
    QWidget* Control(const std::string& name) const;

    const dialogs::FormLayout& layout_;
    dialogs::FormLogic* logic_ = nullptr;
    std::map<std::string, std::string> texts_; // until the widgets exist
    std::map<std::string, double> numbers_;
    std::unique_ptr<FormWindow> window_;
};

} // namespace gui
