// One control of a dialog drawn with Qt: its widget made in a parent and placed; its value and
// the user's doings as every face's control has them (FaceControl). One class per kind
// (Kinds.h).
#pragma once

#include "dialogs/FaceControl.h"

class QWidget;

namespace qtface {

class Control : public dialogs::FaceControl {
  public:
    using FaceControl::FaceControl;

    // Makes the widget in parent with the value kept so far, its hint, help and state.
    void Create(QWidget* parent);
    QWidget* Widget() const { return widget_; }
    // Where a group box's controls are made; the widget itself for other kinds.
    virtual QWidget* Container() const { return widget_; }
    // The widget Tab stops at; nullptr for none.
    virtual QWidget* FocusWidget() const { return widget_; }
    // At its place in its parent, in pixels at 96 dots per inch (Qt scales them).
    virtual void Place(const dialogs::Rect& place);
    int TextWidth(const std::string& text) const override;
    // The width that shows its caption whole in its font, once its widget is made; 0 for the
    // kinds without one to keep whole.
    virtual int NeededWidth() const { return 0; }

  protected:
    // The widget and whatever the kind makes around it.
    virtual QWidget* Make(QWidget* parent) = 0;
    void ShowEnabled(bool enabled) override;

  private:
    QWidget* widget_ = nullptr;
};

} // namespace qtface
