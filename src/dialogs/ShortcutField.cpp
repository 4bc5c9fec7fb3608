#include "dialogs/ShortcutField.h"

namespace dialogs {

namespace {

// Taken as a shortcut, Enter would become a hotkey that takes Enter from every program on the
// desktop.
bool IsDialogKey(unsigned virtualKey) {
    constexpr unsigned kTab = 0x09;
    constexpr unsigned kReturn = 0x0D;
    constexpr unsigned kEscape = 0x1B;
    return virtualKey == kTab || virtualKey == kReturn || virtualKey == kEscape;
}

} // namespace

ShortcutField::ShortcutField(DialogView& view, std::string control)
    : view_(view), control_(std::move(control)) {}

void ShortcutField::Capture(unsigned virtualKey, components::ShiftState shift) {
    if (!IsDialogKey(virtualKey)) {
        view_.SetText(control_,
                      components::ShortCutToText(components::ShortCut(virtualKey, shift)));
    }
}

void ShortcutField::ApplyTo(components::Tfishotkey& target, const components::Tfishotkey& other,
                            const char* refusal) {
    const components::ShortcutValue value = components::TextToShortCut(view_.Text(control_));
    if (value == other.Key()) {
        view_.Ask({core::MessageKind::Error, refusal, MessageButtons::Ok, 400});
    } else {
        target.SetKey(value);
    }
}

void SetHotkeysEnabled(core::ProgramState& state, components::Tfishotkey& first,
                       components::Tfishotkey& second, bool enabled) {
    first.SetEnabled(enabled);
    second.SetEnabled(enabled);
    if (enabled && state.HotkeysApplied) {
        state.HotkeysApplied();
    }
}

} // namespace dialogs
