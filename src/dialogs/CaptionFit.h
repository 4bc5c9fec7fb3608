// A layout widened where a face's fonts need more room than the layout was drawn with. Each face
// measures what a control needs to show its caption whole; the growing is the same for every
// face and every dialog.
#pragma once

#include "dialogs/Layout.h"

#include <functional>

namespace dialogs {

// The width a control needs, in pixels at 96 dots per inch; 0 where any width will do.
using NeededWidth = std::function<int(const ControlLayout&)>;

// The layout with each control at least as wide as it needs. The controls to the right of a
// grown one in its row move along, a column as one so that columns stay aligned; a group box
// grows around its controls, and the client area around everything, keeping its margins, and to
// titleWidth at least.
DialogLayout FittedToCaptions(const DialogLayout& layout, const NeededWidth& needed,
                              int titleWidth);

} // namespace dialogs
