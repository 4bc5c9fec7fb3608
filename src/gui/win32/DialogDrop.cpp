// Files dropped on a dialog from the shell: the window takes them for its controls that accept
// them; the control under the drop tells the logic, a grid with the row there.
#include "gui/win32/Dialog.h"

#include "platform/WinText.h"

namespace win32face {

namespace {

std::vector<std::string> DroppedPaths(HDROP drop) {
    std::vector<std::string> paths;
    const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        std::wstring path(DragQueryFileW(drop, i, nullptr, 0) + 1, L'\0');
        path.resize(DragQueryFileW(drop, i, path.data(), static_cast<UINT>(path.size())));
        paths.push_back(platform::Narrow(path));
    }
    return paths;
}

bool Contains(HWND window, POINT point) {
    RECT place;
    return GetWindowRect(window, &place) != FALSE && PtInRect(&place, point) != FALSE;
}

} // namespace

void Dialog::AcceptFilesWhereLaidOut() {
    for (const ControlPointer& control : controls_) {
        if (control->Layout().acceptsFiles) {
            DragAcceptFiles(window_, TRUE);
            return;
        }
    }
}

// The drop is released before the logic runs, which may show a modal dialog.
void Dialog::Drop(HDROP drop) {
    POINT point{};
    DragQueryPoint(drop, &point);
    const std::vector<std::string> paths = DroppedPaths(drop);
    DragFinish(drop);
    ClientToScreen(window_, &point);
    for (const ControlPointer& control : controls_) {
        if (!control->Layout().acceptsFiles) {
            continue;
        }
        for (const HWND part : control->Windows()) {
            if (IsWindowVisible(part) && Contains(part, point)) {
                events_.FilesDropped(control->Name(), control->RowAt(point), paths);
                return;
            }
        }
    }
}

} // namespace win32face
