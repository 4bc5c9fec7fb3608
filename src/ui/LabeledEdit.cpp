#include "ui/LabeledEdit.h"

#include <QLabel>
#include <QLineEdit>

namespace ui {

QLineEdit* AddLabeledEdit(QWidget* parent, const char* name, const QString& label, int left,
                          int top, int width, int height) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setGeometry(left, top, width, height);
    auto* caption = new QLabel(label, parent);
    caption->setBuddy(edit);
    caption->adjustSize();
    caption->move(left, top - caption->height() - 3);
    return edit;
}

} // namespace ui
