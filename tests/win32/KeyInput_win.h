// Key presses as a user makes them, through SendInput: the keys of a chord go down in order and
// come up in reverse.
#pragma once

#include <initializer_list>

#include <windows.h>

namespace testing_support {

void PressKeys(std::initializer_list<WORD> chord);

} // namespace testing_support
