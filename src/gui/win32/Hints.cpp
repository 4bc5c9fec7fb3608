#include "gui/win32/Hints.h"

#include "gui/win32/WindowBasics.h"

#include <commctrl.h>

namespace win32face {

namespace {

constexpr int kHidePauseMilliseconds = 5000;
constexpr int kWidestHint = 320;

TTTOOLINFOW ToolInfo(HWND tool, std::wstring& text) {
    TTTOOLINFOW info{};
    info.cbSize = sizeof info;
    info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    info.hwnd = GetAncestor(tool, GA_ROOT);
    info.uId = reinterpret_cast<UINT_PTR>(tool);
    info.lpszText = text.data();
    return info;
}

} // namespace

HWND AddHint(HWND tool, const std::string& hint, HintStyle style) {
    const size_t bar = hint.find('|');
    const std::wstring title = WideLines(bar == std::string::npos ? "" : hint.substr(0, bar));
    std::wstring text = WideLines(bar == std::string::npos ? hint : hint.substr(bar + 1));
    const HWND tooltip = CreateWindowExW(
        WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
        WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX | (style == HintStyle::Balloon ? TTS_BALLOON : 0),
        CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, GetAncestor(tool, GA_ROOT),
        nullptr, GetModuleHandleW(nullptr), nullptr);
    TTTOOLINFOW info = ToolInfo(tool, text);
    SendMessageW(tooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
    SendMessageW(tooltip, TTM_SETMAXTIPWIDTH, 0, kWidestHint);
    SendMessageW(tooltip, TTM_SETDELAYTIME, TTDT_AUTOPOP, kHidePauseMilliseconds);
    if (!title.empty()) {
        SendMessageW(tooltip, TTM_SETTITLEW, TTI_NONE, reinterpret_cast<LPARAM>(title.c_str()));
    }
    return tooltip;
}

void SetHintText(HWND tooltip, HWND tool, const std::string& text) {
    std::wstring wide = WideLines(text);
    TTTOOLINFOW info = ToolInfo(tool, wide);
    SendMessageW(tooltip, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&info));
}

} // namespace win32face
