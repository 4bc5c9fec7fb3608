// Qt key events as Windows virtual-key codes and shift states, the form shortcut values use.
#pragma once

#include "components/ShortCut.h"

class QKeyEvent;

namespace qtface {

// The virtual-key code of the event's key; 0 when there is none.
unsigned VirtualKeyOf(const QKeyEvent& event);
components::ShiftState ShiftStateOf(const QKeyEvent& event);

} // namespace qtface
