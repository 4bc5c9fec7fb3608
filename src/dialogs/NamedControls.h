// The value side of a DialogView over a face's controls: every call by name goes to the control
// of that name; a name that is no control reads as empty and 0 and takes nothing, and is told to
// NoSuchControl, where the recording view of the tests fails. Each face's dialog (and that view)
// adds the window and the questions.
#pragma once

#include "dialogs/FaceControl.h"

namespace dialogs {

template <class Control> class NamedControls : public DialogView {
  public:
    Control* Find(const std::string& name) const {
        for (const auto& control : controls_) {
            if (control->Name() == name) {
                return control.get();
            }
        }
        return nullptr;
    }

    std::string Text(const std::string& control) const override {
        const Control* found = Named(control);
        return found != nullptr ? found->Text() : std::string();
    }
    void SetText(const std::string& control, const std::string& text) override {
        if (Control* found = Named(control)) {
            found->SetText(text);
        }
    }
    double Number(const std::string& control) const override {
        const Control* found = Named(control);
        return found != nullptr ? found->Number() : 0;
    }
    void SetNumber(const std::string& control, double value) override {
        if (Control* found = Named(control)) {
            found->SetNumber(value);
        }
    }
    void SetItems(const std::string& control, const std::vector<std::string>& items) override {
        if (Control* found = Named(control)) {
            found->SetItems(items);
        }
    }
    std::vector<std::string> Items(const std::string& control) const override {
        const Control* found = Named(control);
        return found != nullptr ? found->Items() : std::vector<std::string>();
    }
    void SetRows(const std::string& grid, const Rows& rows) override {
        if (Control* found = Named(grid)) {
            found->SetRows(rows);
        }
    }
    Rows RowsOf(const std::string& grid) const override {
        const Control* found = Named(grid);
        return found != nullptr ? found->RowsOf() : Rows();
    }
    void SetColumnWidths(const std::string& grid, const std::vector<int>& widths) override {
        if (Control* found = Named(grid)) {
            found->SetColumnWidths(widths);
        }
    }
    void SetRowIcons(const std::string& grid, const std::vector<std::string>& paths) override {
        if (Control* found = Named(grid)) {
            found->SetRowIcons(paths);
        }
    }
    int TextWidth(const std::string& control, const std::string& text) const override {
        const Control* found = Named(control);
        return found != nullptr ? found->TextWidth(text) : 0;
    }
    void SetEnabled(const std::string& control, bool enabled) override {
        if (Control* found = Named(control)) {
            found->SetEnabled(enabled);
        }
    }

    // The button Escape presses: the cancel button while it is enabled. Without one Escape
    // closes the dialog as its close box does.
    Control* EscapeButton() const {
        for (const auto& control : controls_) {
            if (control->Layout().isCancel && control->Enabled()) {
                return control.get();
            }
        }
        return nullptr;
    }

  protected:
    // A control of each of the layout's, in its order.
    NamedControls(const DialogLayout& layout, DialogEvents& events, MakeFunction<Control> make) {
        for (const ControlLayout& control : layout.controls) {
            controls_.push_back(make(control, events));
        }
    }

    // A name the logic used that no control of the dialog has.
    virtual void NoSuchControl(const std::string&) const {}

    std::vector<std::unique_ptr<Control>> controls_;

  private:
    Control* Named(const std::string& name) const {
        Control* found = Find(name);
        if (found == nullptr) {
            NoSuchControl(name);
        }
        return found;
    }
};

} // namespace dialogs
