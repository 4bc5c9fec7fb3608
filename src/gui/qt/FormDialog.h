// A dialog drawn with Qt from its logic's layout: buttons, labelled edits and check boxes at
// their places, with hints, help contexts and tab order. Clicks, keys in edits and every close
// by the user go to the logic.
#pragma once

#include "dialogs/Form.h"

#include <QDialog>

namespace gui {

class FormDialog : public QDialog, public dialogs::DialogView {
    Q_OBJECT

  public:
    explicit FormDialog(const dialogs::FormLayout& layout);
    // Events reach the logic from now on.
    void Attach(dialogs::FormLogic& logic) { logic_ = &logic; }

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

  protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* Create(const dialogs::ControlLayout& control);
    QWidget* Control(const std::string& name) const;

    dialogs::FormLogic* logic_ = nullptr;
};

} // namespace gui
