#include "gui/win32/Hints.h"

#include "gui/win32/WindowBasics.h"

namespace win32face {

namespace {

constexpr int kHidePauseMilliseconds = 5000;
constexpr int kWidestHint = 320;

} // namespace

void Hints::Set(HWND tool, const std::string& hint) {
    const bool known = hints_.count(tool) != 0;
    hints_[tool] = hint;
    if (tooltip_ == nullptr) {
        return;
    }
    if (known) {
        // A shown hint is asked for again.
        SendMessageW(tooltip_, TTM_UPDATE, 0, 0);
    } else {
        AddTool(tool);
    }
}

Hints::~Hints() {
    if (tooltip_ != nullptr) {
        DestroyWindow(tooltip_);
    }
}

void Hints::Ready() {
    if (tooltip_ != nullptr) {
        return;
    }
    UseCommonControls();
    tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                               WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX |
                                   (style_ == HintStyle::Balloon ? TTS_BALLOON : 0),
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr,
                               nullptr, GetModuleHandleW(nullptr), nullptr);
    SendMessageW(tooltip_, TTM_SETMAXTIPWIDTH, 0, kWidestHint);
    SendMessageW(tooltip_, TTM_SETDELAYTIME, TTDT_AUTOPOP, kHidePauseMilliseconds);
    for (const auto& [tool, hint] : hints_) {
        AddTool(tool);
    }
}

void Hints::AddTool(HWND tool) {
    TTTOOLINFOW info{};
    info.cbSize = sizeof info;
    info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    info.hwnd = GetAncestor(tool, GA_ROOT);
    info.uId = reinterpret_cast<UINT_PTR>(tool);
    info.lpszText = LPSTR_TEXTCALLBACKW;
    SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
}

bool Hints::Answer(NMHDR& header) {
    if (header.code != TTN_GETDISPINFOW || header.hwndFrom != tooltip_) {
        return false;
    }
    auto& request = reinterpret_cast<NMTTDISPINFOW&>(header);
    const auto found = hints_.find(reinterpret_cast<HWND>(request.hdr.idFrom));
    const std::string hint = found != hints_.end() ? found->second : std::string();
    const size_t bar = hint.find('|');
    const std::wstring title = WideLines(bar == std::string::npos ? "" : hint.substr(0, bar));
    text_ = WideLines(bar == std::string::npos ? hint : hint.substr(bar + 1));
    SendMessageW(tooltip_, TTM_SETTITLEW, TTI_NONE, reinterpret_cast<LPARAM>(title.c_str()));
    request.lpszText = text_.data();
    return true;
}

} // namespace win32face
