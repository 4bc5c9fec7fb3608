// Hints as tooltips: "title|text" shows the title in bold over the text; each hint hides after
// 5000 ms. The dialogs show them as balloons.
#pragma once

#include <string>

#include <windows.h>

namespace win32face {

enum class HintStyle { Plain, Balloon };

// A tooltip for tool (a control, or a top-level window for itself); destroyed with the
// tool's top-level window.
HWND AddHint(HWND tool, const std::string& hint, HintStyle style);
void SetHintText(HWND tooltip, HWND tool, const std::string& text);

} // namespace win32face
