#include "win32/KeyInput_win.h"

#include <vector>

namespace testing_support {

void PressKeys(std::initializer_list<WORD> chord) {
    std::vector<INPUT> strokes(chord.size() * 2);
    size_t down = 0;
    size_t up = strokes.size();
    for (const WORD key : chord) {
        strokes[down].type = INPUT_KEYBOARD;
        strokes[down++].ki.wVk = key;
        strokes[--up].type = INPUT_KEYBOARD;
        strokes[up].ki.wVk = key;
        strokes[up].ki.dwFlags = KEYEVENTF_KEYUP;
    }
    SendInput(static_cast<UINT>(strokes.size()), strokes.data(), sizeof(INPUT));
}

} // namespace testing_support
