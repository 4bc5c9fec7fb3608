// One control of a dialog drawn with Qt, behind the interface every kind shares: its widget
// made in a parent, placed, its value as text or number, its items, and the user's changes told
// to the logic. Until its widget is made the control keeps its value itself; from then on the
// widget holds it. One class per kind (Controls.h).
#pragma once

#include "dialogs/ControlValue.h"

#include <memory>

class QWidget;

namespace qtface {

class Control {
  public:
    Control(const dialogs::ControlLayout& layout, dialogs::DialogEvents& events);
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const dialogs::ControlLayout& Layout() const { return value_.Layout(); }
    const std::string& Name() const { return Layout().name; }

    // Makes the widget in parent with the value kept so far, its hint, help and state.
    void Create(QWidget* parent);
    QWidget* Widget() const { return widget_; }
    // Where a group box's controls are made; the widget itself for other kinds.
    virtual QWidget* Container() const { return widget_; }
    // The widget Tab stops at; nullptr for none.
    virtual QWidget* FocusWidget() const { return widget_; }
    // At its place in its parent, in pixels at 96 dots per inch (Qt scales them).
    virtual void Place(const dialogs::Rect& place);

    std::string Text() const;
    void SetText(const std::string& text);
    double Number() const;
    void SetNumber(double value);
    std::vector<std::string> Items() const;
    void SetItems(const std::vector<std::string>& items);
    dialogs::Rows RowsOf() const;
    void SetRows(const dialogs::Rows& rows);
    virtual void SetColumnWidths(const std::vector<int>&) {}
    virtual int TextWidth(const std::string& text) const;
    void SetEnabled(bool enabled);

  protected:
    // The widget and whatever the kind makes around it, showing value().
    virtual QWidget* Make(QWidget* parent) = 0;
    // The widget's value; the kinds without one keep it in value().
    virtual std::string WidgetText() const { return value_.Text(); }
    virtual void SetWidgetText(const std::string&) {}
    virtual double WidgetNumber() const { return value_.Number(); }
    virtual void SetWidgetNumber(double) {}
    virtual std::vector<std::string> WidgetItems() const { return value_.Items(); }
    virtual void SetWidgetItems() {} // from value()
    virtual dialogs::Rows WidgetRows() const { return value_.RowsOf(); }
    virtual void SetWidgetRows() {} // from value()

    const dialogs::ControlValue& value() const { return value_; }
    dialogs::ControlValue& value() { return value_; }
    dialogs::DialogEvents& events_;

  private:
    dialogs::ControlValue value_;
    QWidget* widget_ = nullptr;
};

// The control of the layout's kind.
std::unique_ptr<Control> MakeControl(const dialogs::ControlLayout& layout,
                                     dialogs::DialogEvents& events);

} // namespace qtface
