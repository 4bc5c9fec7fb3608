#include "dialogs/FaceControl.h"

namespace dialogs {

FaceControl::FaceControl(const ControlLayout& layout, DialogEvents& events)
    : events_(events), value_(layout) {}

void FaceControl::ShowKeptValue() {
    shown_ = true;
    SetShownItems();
    SetShownRows();
    SetShownText(value_.Text());
    SetShownNumber(value_.Number());
    ShowEnabled(value_.Enabled());
}

std::string FaceControl::Text() const {
    return shown_ ? ShownText() : value_.Text();
}

void FaceControl::SetText(const std::string& text) {
    value_.SetText(text);
    if (shown_) {
        SetShownText(text);
    }
}

double FaceControl::Number() const {
    return shown_ ? ShownNumber() : value_.Number();
}

void FaceControl::SetNumber(double value) {
    value_.SetNumber(value);
    if (shown_) {
        SetShownNumber(value_.Number());
    }
}

std::vector<std::string> FaceControl::Items() const {
    return shown_ ? ShownItems() : value_.Items();
}

void FaceControl::SetItems(const std::vector<std::string>& items) {
    value_.SetItems(items);
    if (shown_) {
        SetShownItems();
    }
}

Rows FaceControl::RowsOf() const {
    return shown_ ? ShownRows() : value_.RowsOf();
}

void FaceControl::SetRows(const Rows& rows) {
    value_.SetRows(rows);
    if (shown_) {
        SetShownRows();
    }
}

void FaceControl::SetEnabled(bool enabled) {
    value_.SetEnabled(enabled);
    if (shown_) {
        ShowEnabled(enabled);
    }
}

} // namespace dialogs
