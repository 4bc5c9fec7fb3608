// What every face's control of any kind shares: its value kept by kind until its widgets exist,
// then read from and written to them, and the layout's description of it. Each face derives one
// base of its own (making, placing) and one class per kind from it; NamedControls reaches them
// by name.
#pragma once

#include "dialogs/ControlValue.h"

#include <memory>
#include <string>
#include <vector>

namespace dialogs {

class FaceControl {
  public:
    FaceControl(const ControlLayout& layout, DialogEvents& events);
    virtual ~FaceControl() = default;
    FaceControl(const FaceControl&) = delete;
    FaceControl& operator=(const FaceControl&) = delete;

    const ControlLayout& Layout() const { return value_.Layout(); }
    const std::string& Name() const { return Layout().name; }

    std::string Text() const;
    void SetText(const std::string& text);
    double Number() const;
    void SetNumber(double value);
    std::vector<std::string> Items() const;
    void SetItems(const std::vector<std::string>& items);
    Rows RowsOf() const;
    void SetRows(const Rows& rows);
    bool Enabled() const { return value_.Enabled(); }
    void SetEnabled(bool enabled);
    virtual void SetColumnWidths(const std::vector<int>&) {}
    virtual void SetRowIcons(const std::vector<std::string>&) {}
    // In pixels at 96 dots per inch, in the control's font.
    virtual int TextWidth(const std::string& text) const = 0;

  protected:
    // The widgets exist from now on: the kept value goes to them, the lists first.
    void ShowKeptValue();

    // The widgets' value; the kinds without one keep it in value().
    virtual std::string ShownText() const { return value_.Text(); }
    virtual void SetShownText(const std::string&) {}
    virtual double ShownNumber() const { return value_.Number(); }
    virtual void SetShownNumber(double) {}
    virtual std::vector<std::string> ShownItems() const { return value_.Items(); }
    virtual void SetShownItems() {} // from value()
    virtual Rows ShownRows() const { return value_.RowsOf(); }
    virtual void SetShownRows() {} // from value()
    virtual void ShowEnabled(bool) {}

    const ControlValue& value() const { return value_; }
    ControlValue& value() { return value_; }
    DialogEvents& events_;

  private:
    ControlValue value_;
    bool shown_ = false;
};

template <class Control>
using MakeFunction = std::unique_ptr<Control> (*)(const ControlLayout&, DialogEvents&);

template <class Kind, class Control>
std::unique_ptr<Control> Make(const ControlLayout& layout, DialogEvents& events) {
    return std::make_unique<Kind>(layout, events);
}

// A face's control of the layout's kind. Kinds names the face's control base (Kinds::Control)
// and holds one maker per kind; the switch has no default, so that a kind without its maker is
// a compiler warning (-Wswitch) in every face.
template <class Kinds>
std::unique_ptr<typename Kinds::Control> MakeControl(const ControlLayout& layout,
                                                     DialogEvents& events) {
    switch (layout.kind) {
    case ControlKind::Label:
        return Kinds::kLabel(layout, events);
    case ControlKind::Button:
        return Kinds::kButton(layout, events);
    case ControlKind::CheckBox:
        return Kinds::kCheckBox(layout, events);
    case ControlKind::Edit:
        return Kinds::kEdit(layout, events);
    case ControlKind::LabeledEdit:
        return Kinds::kLabeledEdit(layout, events);
    case ControlKind::ButtonEdit:
        return Kinds::kButtonEdit(layout, events);
    case ControlKind::DropDownList:
        return Kinds::kDropDownList(layout, events);
    case ControlKind::RadioGroup:
        return Kinds::kRadioGroup(layout, events);
    case ControlKind::GroupBox:
        return Kinds::kGroupBox(layout, events);
    case ControlKind::NumericEdit:
        return Kinds::kNumericEdit(layout, events);
    case ControlKind::ColorButton:
        return Kinds::kColorButton(layout, events);
    case ControlKind::PathEdit:
        return Kinds::kPathEdit(layout, events);
    case ControlKind::Grid:
        return Kinds::kGrid(layout, events);
    case ControlKind::StatusBar:
        return Kinds::kStatusBar(layout, events);
    }
    return nullptr; // no kind of the enumeration
}

} // namespace dialogs
