// Help topics by context number: the page of TIPPOMAT.chm beside the program in the system's
// HTML help viewer, or, without the viewer or the file, the same page in the default browser.
#pragma once

#include <functional>

#include <windows.h>

namespace win32face {

void ShowHelpTopic(HWND owner, int context);

// Tests see the topics asked for while a sink is set.
using HelpSink = std::function<void(int context)>;
void SetHelpSink(HelpSink sink);

} // namespace win32face
