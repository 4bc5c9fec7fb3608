#include "support/KeyInput_win.h"

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

void TypeText(const std::wstring& text) {
    std::vector<INPUT> strokes;
    for (const wchar_t c : text) {
        for (const DWORD flags :
             {DWORD{KEYEVENTF_UNICODE}, DWORD{KEYEVENTF_UNICODE | KEYEVENTF_KEYUP}}) {
            INPUT stroke{};
            stroke.type = INPUT_KEYBOARD;
            stroke.ki.wScan = c;
            stroke.ki.dwFlags = flags;
            strokes.push_back(stroke);
        }
    }
    SendInput(static_cast<UINT>(strokes.size()), strokes.data(), sizeof(INPUT));
}

void ClickOn(HWND window) {
    RECT place;
    GetWindowRect(window, &place);
    SetCursorPos((place.left + place.right) / 2, (place.top + place.bottom) / 2);
    INPUT clicks[2] = {};
    clicks[0].type = clicks[1].type = INPUT_MOUSE;
    clicks[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    clicks[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, clicks, sizeof(INPUT));
}

} // namespace testing_support
