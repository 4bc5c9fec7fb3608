#include "gui/qt/controls/Control.h"

#include "gui/qt/Hints.h"

#include <QFontMetrics>
#include <QWidget>

namespace qtface {

void Control::Create(QWidget* parent) {
    widget_ = Make(parent);
    widget_->setObjectName(QString::fromStdString(Name()));
    SetHelpContext(widget_, Layout().helpContext);
    if (!Layout().hint.empty()) {
        SetHint(widget_, QString::fromStdString(Layout().hint));
    }
    ShowKeptValue();
}

void Control::Place(const dialogs::Rect& place) {
    widget_->setGeometry(place.left, place.top, place.width, place.height);
}

int Control::TextWidth(const std::string& text) const {
    const QFont font = widget_ != nullptr ? widget_->font() : QFont("Tahoma");
    return QFontMetrics(font).horizontalAdvance(QString::fromStdString(text));
}

void Control::ShowEnabled(bool enabled) {
    widget_->setEnabled(enabled);
}

} // namespace qtface
