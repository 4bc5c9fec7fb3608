// The Qt face of every window: the launcher window, and each dialog drawn from its layout.
// The program and the face tests make their windows through it.
#pragma once

#include "dialogs/ViewFactory.h"
#include "gui/qt/Dialog.h"
#include "gui/qt/MainWindow.h"

namespace qtface {

using Faces = dialogs::FaceViews<MainWindow, Dialog>;

} // namespace qtface
