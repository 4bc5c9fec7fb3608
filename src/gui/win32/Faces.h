// The Win32 face of every window: the launcher window, and each dialog drawn from its layout.
// The program and the face tests make their windows through it.
#pragma once

#include "dialogs/ViewFactory.h"
#include "gui/win32/Dialog.h"
#include "gui/win32/MainWindow.h"

namespace win32face {

using Faces = dialogs::FaceViews<MainWindow, Dialog>;

} // namespace win32face
