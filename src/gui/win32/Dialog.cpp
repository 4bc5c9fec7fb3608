#include "gui/win32/Dialog.h"

#include "components/Foreground.h"
#include "dialogs/HelpTopics.h"
#include "dialogs/Questions.h"
#include "gui/win32/controls/Kinds.h"

namespace win32face {

Dialog::Dialog(const dialogs::DialogLayout& layout, dialogs::DialogEvents& events)
    : NamedControls(layout, events, dialogs::MakeControl<Kinds>), layout_(layout), fitted_(layout),
      events_(events) {}

Dialog::~Dialog() {
    if (window_ != nullptr) {
        DestroyWindow(window_);
    }
    DeleteObject(font_);
}

HWND Dialog::Window() {
    if (window_ == nullptr) {
        Create();
    }
    return window_;
}

win32face::Control* Dialog::Owner(HWND window) const {
    for (const ControlPointer& control : controls_) {
        for (const HWND part : control->Windows()) {
            if (part == window) {
                return control.get();
            }
        }
    }
    return nullptr;
}

HWND Dialog::Control(const std::string& name) {
    Window();
    const win32face::Control* control = Find(name);
    return control != nullptr ? control->Window() : nullptr;
}

bool Dialog::IsShown() const {
    return window_ != nullptr && IsWindowVisible(window_) != FALSE;
}

void Dialog::ShowForm() {
    ShowWindow(Window(), SW_SHOW);
    FocusForm();
}

// In front, with the keyboard on its first control unless one of its controls has it.
void Dialog::FocusForm() {
    components::ForceForeground(reinterpret_cast<std::uintptr_t>(Window()));
    if (!IsChild(window_, GetFocus())) {
        SetFocus(GetNextDlgTabItem(window_, nullptr, FALSE));
    }
}

void Dialog::SetOwner(dialogs::DialogView& owner) {
    owner_ = dynamic_cast<Dialog*>(&owner);
}

HWND Dialog::Parent() const {
    return IsShown() ? window_ : nullptr;
}

dialogs::Answer Dialog::Ask(const dialogs::MessageQuestion& question) {
    return dialogs::Ask(Parent(), question);
}

std::optional<std::string> Dialog::AskPath(const dialogs::PathQuestion& question) {
    return dialogs::AskPath(Parent(), question);
}

std::optional<int> Dialog::AskColor(int current) {
    return dialogs::AskColor(Parent(), current);
}

void Dialog::ShowHelp(int helpContext) {
    dialogs::ShowHelpTopic(window_, helpContext);
}

} // namespace win32face
