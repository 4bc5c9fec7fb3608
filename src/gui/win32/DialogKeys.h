// What the message loop asks of the dialogs: the keys the dialog manager gives a meaning.
#pragma once

#include <windows.h>

namespace win32face {

// Tab, Enter and Escape for the dialog that holds the message's window; false when the message
// is none of a dialog's.
bool DialogKeyMessage(MSG& message);

} // namespace win32face
