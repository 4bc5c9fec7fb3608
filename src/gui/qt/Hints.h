// Hints in the form "title|text", shown as balloons for 5000 ms, and help context numbers that
// F1 opens.
#pragma once

#include <QString>

class QWidget;
class QObject;

namespace qtface {

void SetHint(QWidget* widget, const QString& hint);

void SetHelpContext(QObject* object, int context);
int HelpContextOf(const QObject* object); // the nearest one up the parents; 0 for none

// Makes F1 open the help topic of the focused control (or of the window).
void EnableHelpKey(QWidget* window);

} // namespace qtface
