// The questions as Win32's modal boxes and common dialogs: the help button and F1 of a message
// ask for its topic, and a message may come up at a place below its owner's top.
#include "dialogs/Questions.h"

#include "dialogs/HelpTopics.h"
#include "gui/win32/WindowBasics.h"
#include "integration/Com_win.h"
#include "platform/FileSystem.h"
#include "platform/Paths.h"
#include "platform/WinText.h"

#include <commdlg.h>
#include <shlobj.h>

#include <utility>

namespace win32face {

namespace {

void CALLBACK HelpRequested(LPHELPINFO help) {
    dialogs::ShowHelpTopic(nullptr, static_cast<int>(help->dwContextId));
}

DWORD IconOf(core::MessageKind kind) {
    static constexpr DWORD kIcons[] = {MB_ICONERROR, MB_ICONINFORMATION, MB_ICONQUESTION};
    return kIcons[static_cast<int>(kind)];
}

// "Programme|*.exe|Alle|*.*" with NUL between the parts and two at the end.
std::wstring FilterOf(const std::string& filter) {
    std::wstring parts = platform::Wide(filter);
    for (wchar_t& c : parts) {
        if (c == L'|') {
            c = L'\0';
        }
    }
    return parts.empty() ? parts : parts + std::wstring(2, L'\0');
}

int CALLBACK FolderStart(HWND chooser, UINT message, LPARAM, LPARAM start) {
    if (message == BFFM_INITIALIZED && start != 0) {
        SendMessageW(chooser, BFFM_SETSELECTIONW, TRUE, start);
    }
    return 0;
}

std::optional<std::string> AskFolder(HWND owner, const dialogs::PathQuestion& question) {
    const std::wstring title = platform::Wide(question.title);
    const std::wstring start = platform::Wide(question.start);
    BROWSEINFOW browse{};
    browse.hwndOwner = owner;
    browse.lpszTitle = title.c_str();
    browse.ulFlags = BIF_RETURNONLYFSDIRS | BIF_EDITBOX | BIF_NEWDIALOGSTYLE;
    browse.lpfn = FolderStart;
    browse.lParam = start.empty() ? 0 : reinterpret_cast<LPARAM>(start.c_str());
    const integration::ComScope com;
    PIDLIST_ABSOLUTE chosen = SHBrowseForFolderW(&browse);
    std::optional<std::string> path;
    wchar_t folder[MAX_PATH] = {};
    if (chosen != nullptr && SHGetPathFromIDListW(chosen, folder)) {
        path = platform::Narrow(folder);
    }
    CoTaskMemFree(chosen);
    return path;
}

// The next message box of this thread is moved to the place as it comes up, then the hook goes.
struct BoxPlacing {
    HHOOK hook = nullptr;
    POINT place{};
};

BoxPlacing& Placing() {
    static BoxPlacing placing;
    return placing;
}

LRESULT CALLBACK PlaceBox(int code, WPARAM wParam, LPARAM lParam) {
    BoxPlacing& placing = Placing();
    if (code == HCBT_ACTIVATE && placing.hook != nullptr) {
        SetWindowPos(reinterpret_cast<HWND>(wParam), nullptr, placing.place.x, placing.place.y, 0,
                     0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        UnhookWindowsHookEx(std::exchange(placing.hook, nullptr));
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

} // namespace

} // namespace win32face

namespace dialogs {

Answer Ask(QuestionOwner window, const MessageQuestion& question) {
    const auto owner = static_cast<HWND>(window);
    const bool yesNo = question.buttons == MessageButtons::YesNo;
    const std::wstring shown = win32face::WideLines(question.text);
    MSGBOXPARAMSW box{};
    box.cbSize = sizeof box;
    box.hwndOwner = owner;
    box.hInstance = GetModuleHandleW(nullptr);
    box.lpszText = shown.c_str();
    box.lpszCaption = L"Tippomat";
    // Shown in front also when it comes from a hidden window, such as at start-up.
    box.dwStyle = (yesNo ? MB_YESNO : MB_OK) | MB_SETFOREGROUND | MB_TOPMOST |
                  win32face::IconOf(question.kind) | (question.helpContext != 0 ? MB_HELP : 0);
    box.dwContextHelpId = static_cast<DWORD_PTR>(question.helpContext);
    box.lpfnMsgBoxCallback = win32face::HelpRequested;
    win32face::BoxPlacing& placing = win32face::Placing();
    if (question.belowTop && owner != nullptr) {
        RECT frame;
        GetWindowRect(owner, &frame);
        placing.place = {frame.left,
                         frame.top + win32face::Scale(*question.belowTop, win32face::DpiOf(owner))};
        placing.hook =
            SetWindowsHookExW(WH_CBT, win32face::PlaceBox, nullptr, GetCurrentThreadId());
    }
    const int answer = MessageBoxIndirectW(&box);
    if (placing.hook != nullptr) {
        UnhookWindowsHookEx(std::exchange(placing.hook, nullptr));
    }
    return !yesNo ? Answer::Ok : answer == IDYES ? Answer::Yes : Answer::No;
}

std::optional<std::string> AskPath(QuestionOwner window, const PathQuestion& question) {
    const auto owner = static_cast<HWND>(window);
    if (question.kind == PathKind::Folder) {
        return win32face::AskFolder(owner, question);
    }
    const std::wstring filter = win32face::FilterOf(question.filter);
    const std::wstring title = platform::Wide(question.title);
    const std::wstring extension = platform::Wide(question.defaultExt);
    // A save chooser proposes a start that is no folder as the name, in that file's folder.
    const bool proposesName = question.kind == PathKind::SaveFile && !question.start.empty() &&
                              !platform::DirectoryExists(question.start);
    const std::string& path = question.start;
    const std::wstring start = platform::Wide(
        proposesName ? path.substr(0, path.size() - platform::FileNameOf(path).size()) : path);
    wchar_t file[MAX_PATH] = {};
    if (proposesName) {
        lstrcpynW(file, platform::Wide(path).c_str(), MAX_PATH);
    }
    OPENFILENAMEW chooser{};
    chooser.lStructSize = sizeof chooser;
    chooser.hwndOwner = owner;
    chooser.lpstrFilter = filter.empty() ? nullptr : filter.c_str();
    chooser.nFilterIndex = 1;
    chooser.lpstrFile = file;
    chooser.nMaxFile = MAX_PATH;
    chooser.lpstrInitialDir = start.empty() ? nullptr : start.c_str();
    chooser.lpstrTitle = title.empty() ? nullptr : title.c_str();
    chooser.lpstrDefExt = extension.empty() ? nullptr : extension.c_str();
    chooser.Flags = OFN_EXPLORER | OFN_NOCHANGEDIR | OFN_HIDEREADONLY;
    const bool chosen = question.kind == PathKind::SaveFile ? GetSaveFileNameW(&chooser) != FALSE
                                                            : GetOpenFileNameW(&chooser) != FALSE;
    return chosen ? std::optional<std::string>(platform::Narrow(file)) : std::nullopt;
}

std::optional<int> AskColor(QuestionOwner owner, int current) {
    static COLORREF customColors[16] = {};
    CHOOSECOLORW chooser{};
    chooser.lStructSize = sizeof chooser;
    chooser.hwndOwner = static_cast<HWND>(owner);
    chooser.rgbResult = win32face::ColorRefOf(current);
    chooser.lpCustColors = customColors;
    chooser.Flags = CC_RGBINIT | CC_ANYCOLOR;
    if (!ChooseColorW(&chooser)) {
        return std::nullopt;
    }
    // The preset confirmed as it is: a system colour stays the system colour.
    if (chooser.rgbResult == win32face::ColorRefOf(current)) {
        return current;
    }
    return static_cast<int>(chooser.rgbResult & 0x00FFFFFFu);
}

} // namespace dialogs
