// An edit with its label above it, as the dialogs place them.
#pragma once

#include <QString>

class QLineEdit;
class QWidget;

namespace ui {

QLineEdit* AddLabeledEdit(QWidget* parent, const char* name, const QString& label, int left,
                          int top, int width, int height);

} // namespace ui
