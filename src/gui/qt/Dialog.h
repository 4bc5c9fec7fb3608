// A dialog drawn with Qt from its logic's layout: a frame (fixed, tool window or sizable) with
// a control of each kind at its place, hints, help contexts and tab order. The window and its
// widgets are made the first time they are needed; until then the controls keep their values.
// Events go to the logic; every close by the user too.
#pragma once

#include "dialogs/DialogView.h"
#include "gui/qt/controls/Control.h"

#include <memory>
#include <vector>

class QDialog;

namespace qtface {

class DialogWidget;

class Dialog : public dialogs::DialogView {
  public:
    Dialog(const dialogs::DialogLayout& layout, dialogs::DialogEvents& events);
    ~Dialog() override;

    const dialogs::DialogLayout& Layout() const { return layout_; }
    // The dialog's window, made now if it was not yet.
    QDialog* Window();
    Control* Find(const std::string& control) const;

    std::string Text(const std::string& control) const override;
    void SetText(const std::string& control, const std::string& text) override;
    double Number(const std::string& control) const override;
    void SetNumber(const std::string& control, double value) override;
    void SetItems(const std::string& control, const std::vector<std::string>& items) override;
    std::vector<std::string> Items(const std::string& control) const override;
    void SetRows(const std::string& grid, const dialogs::Rows& rows) override;
    dialogs::Rows RowsOf(const std::string& grid) const override;
    void SetColumnWidths(const std::string& grid, const std::vector<int>& widths) override;
    int TextWidth(const std::string& control, const std::string& text) const override;
    void SetEnabled(const std::string& control, bool enabled) override;

    bool IsShown() const override;
    void ShowForm() override;
    void FocusForm() override;
    dialogs::Closed ShowModal() override;
    void HideForm(dialogs::Closed how) override;

    dialogs::Answer Ask(const dialogs::MessageQuestion& question) override;
    std::optional<std::string> AskPath(const dialogs::PathQuestion& question) override;
    std::optional<int> AskColor(int current) override;
    void ShowHelp(int helpContext) override;

  private:
    friend class DialogWidget;
    QWidget* Parent() const; // for the questions: the window while it is shown

    const dialogs::DialogLayout& layout_;
    dialogs::DialogEvents& events_;
    std::vector<std::unique_ptr<Control>> controls_; // in the layout's order
    std::unique_ptr<DialogWidget> window_;
    bool modal_ = false;
    dialogs::Closed closed_ = dialogs::Closed::CloseBox;
};

} // namespace qtface
