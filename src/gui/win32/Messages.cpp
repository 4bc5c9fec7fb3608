#include "gui/win32/Messages.h"

#include "gui/win32/Help.h"
#include "gui/win32/WindowBasics.h"

namespace wingui {

namespace {

MessageSink& Sink() {
    static MessageSink sink;
    return sink;
}

void CALLBACK HelpRequested(LPHELPINFO help) {
    ShowHelpTopic(nullptr, static_cast<int>(help->dwContextId));
}

} // namespace

void SetMessageSink(MessageSink sink) {
    Sink() = std::move(sink);
}

void ShowMessage(HWND owner, core::MessageKind kind, const std::string& text, int helpContext) {
    if (Sink()) {
        Sink()(kind, text, helpContext);
        return;
    }
    const std::wstring shown = WideLines(text);
    MSGBOXPARAMSW box{};
    box.cbSize = sizeof box;
    box.hwndOwner = owner;
    box.hInstance = GetModuleHandleW(nullptr);
    box.lpszText = shown.c_str();
    box.lpszCaption = L"Tippomat";
    // Shown in front also when it comes from a hidden window, such as at start-up.
    box.dwStyle = MB_OK | MB_SETFOREGROUND | MB_TOPMOST |
                  (kind == core::MessageKind::Error ? MB_ICONERROR : MB_ICONINFORMATION) |
                  (helpContext != 0 ? MB_HELP : 0);
    box.dwContextHelpId = static_cast<DWORD_PTR>(helpContext);
    box.lpfnMsgBoxCallback = HelpRequested;
    MessageBoxIndirectW(&box);
}

} // namespace wingui
