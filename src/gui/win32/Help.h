// Help topics by context number in TIPPOMAT.chm beside the program, shown by the system's HTML
// help where it is installed and the file exists.
#pragma once

#include <functional>

#include <windows.h>

namespace win32face {

void ShowHelpTopic(HWND owner, int context);

// Tests see the topics asked for while a sink is set.
using HelpSink = std::function<void(int context)>;
void SetHelpSink(HelpSink sink);

} // namespace win32face
