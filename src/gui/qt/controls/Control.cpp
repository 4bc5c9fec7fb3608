#include "gui/qt/controls/Control.h"

#include "gui/qt/Hints.h"

#include <QFontMetrics>
#include <QWidget>

namespace qtface {

Control::Control(const dialogs::ControlLayout& layout, dialogs::DialogEvents& events)
    : events_(events), value_(layout) {}

Control::~Control() = default;

void Control::Create(QWidget* parent) {
    widget_ = Make(parent);
    widget_->setObjectName(QString::fromStdString(Name()));
    widget_->setEnabled(value_.Enabled());
    SetHelpContext(widget_, Layout().helpContext);
    if (!Layout().hint.empty()) {
        SetHint(widget_, QString::fromStdString(Layout().hint));
    }
}

void Control::Place(const dialogs::Rect& place) {
    widget_->setGeometry(place.left, place.top, place.width, place.height);
}

std::string Control::Text() const {
    return widget_ != nullptr ? WidgetText() : value_.Text();
}

void Control::SetText(const std::string& text) {
    value_.SetText(text);
    if (widget_ != nullptr) {
        SetWidgetText(text);
    }
}

double Control::Number() const {
    return widget_ != nullptr ? WidgetNumber() : value_.Number();
}

void Control::SetNumber(double value) {
    value_.SetNumber(value);
    if (widget_ != nullptr) {
        SetWidgetNumber(value_.Number());
    }
}

std::vector<std::string> Control::Items() const {
    return widget_ != nullptr ? WidgetItems() : value_.Items();
}

void Control::SetItems(const std::vector<std::string>& items) {
    value_.SetItems(items);
    if (widget_ != nullptr) {
        SetWidgetItems();
    }
}

dialogs::Rows Control::RowsOf() const {
    return widget_ != nullptr ? WidgetRows() : value_.RowsOf();
}

void Control::SetRows(const dialogs::Rows& rows) {
    value_.SetRows(rows);
    if (widget_ != nullptr) {
        SetWidgetRows();
    }
}

int Control::TextWidth(const std::string& text) const {
    const QFont font = widget_ != nullptr ? widget_->font() : QFont("Tahoma");
    return QFontMetrics(font).horizontalAdvance(QString::fromStdString(text));
}

void Control::SetEnabled(bool enabled) {
    value_.SetEnabled(enabled);
    if (widget_ != nullptr) {
        widget_->setEnabled(enabled);
    }
}

} // namespace qtface
