// Files and folders dragged onto a control's widget: offered while dragged over it, reported to
// the logic when dropped. Other drags stay the widget's own.
#pragma once

#include "dialogs/DialogView.h"

#include <functional>
#include <string>

class QPoint;
class QWidget;

namespace qtface {

// rowAt gives the grid row under a point of the widget (-1 none); without it the row is -1.
// The drop is reported once it has ended, so that the logic's dialog does not hold the drag's
// source waiting.
void AcceptFileDrops(QWidget* widget, const std::string& control, dialogs::DialogEvents& events,
                     std::function<int(const QPoint&)> rowAt = nullptr);

} // namespace qtface
