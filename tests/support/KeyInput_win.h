// Key presses and clicks as a user makes them, through SendInput: the keys of a chord go down in
// order and come up in reverse.
#pragma once

#include <initializer_list>
#include <string>

#include <windows.h>

namespace testing_support {

void PressKeys(std::initializer_list<WORD> chord);
// Each character typed as its own key, whatever the keyboard layout.
void TypeText(const std::wstring& text);
// A click of the left mouse button in the middle of the window.
void ClickOn(HWND window);

} // namespace testing_support
