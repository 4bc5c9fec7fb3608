#include "dialogs/HotkeyDialog.h"

#include "config/IniFile.h"

namespace dialogs {

using components::ShortCut;
using components::ShortCutToText;
using components::ShortcutValue;
using components::TextToShortCut;

namespace {

constexpr const char* kShortcutField = "kuerzel";

// These keep their dialog meaning (default button, close, next control); taken as a shortcut,
// Enter would become a hotkey that takes Enter from every program on the desktop.
bool IsDialogKey(unsigned virtualKey) {
    constexpr unsigned kTab = 0x09;
    constexpr unsigned kReturn = 0x0D;
    constexpr unsigned kEscape = 0x1B;
    return virtualKey == kTab || virtualKey == kReturn || virtualKey == kEscape;
}

} // namespace

HotkeyDialog::HotkeyDialog(core::ProgramState& state, DialogView& view)
    : state_(state), view_(view) {}

void HotkeyDialog::Show() {
    if (view_.IsShown()) {
        view_.FocusForm();
        return;
    }
    FormShow();
    view_.ShowForm();
}

void HotkeyDialog::Close() {
    FormClose();
    view_.HideForm();
}

void HotkeyDialog::KeyDown(const std::string& control, unsigned virtualKey,
                           components::ShiftState shift) {
    if (control == kShortcutField) {
        KuerzelKeyDown(virtualKey, shift);
    }
}

void HotkeyDialog::KuerzelKeyDown(unsigned virtualKey, components::ShiftState shift) {
    if (!IsDialogKey(virtualKey)) {
        view_.SetText(kShortcutField, ShortCutToText(ShortCut(virtualKey, shift)));
    }
}

void HotkeyDialog::SetHotkeysEnabled(components::Tfishotkey& first, components::Tfishotkey& second,
                                     bool enabled) {
    first.SetEnabled(enabled);
    second.SetEnabled(enabled);
    if (enabled && state_.HotkeysApplied) {
        state_.HotkeysApplied();
    }
}

void HotkeyDialog::ApplyShortcutField(components::Tfishotkey& target,
                                      const components::Tfishotkey& other, const char* refusal) {
    const ShortcutValue value = TextToShortCut(view_.Text(kShortcutField));
    if (value == other.Key()) {
        view_.ShowMessage(core::MessageKind::Error, refusal, 400);
    } else {
        target.SetKey(value);
    }
}

void HotkeyDialog::LoadState() {
    try {
        config::LoadFormState(view_, Layout().StoredControls(), state_.location.IniPath,
                              Layout().name);
    } catch (const config::IniFileError& error) {
        ReportError(error);
    }
}

void HotkeyDialog::SaveState() {
    try {
        config::SaveFormState(view_, Layout().StoredControls(), state_.location.IniPath,
                              Layout().name);
    } catch (const config::IniFileError& error) {
        ReportError(error);
    }
}

// The general error handling: the error's text as an error message; the program runs on.
void HotkeyDialog::ReportError(const std::exception& error) {
    view_.ShowMessage(core::MessageKind::Error, error.what(), 0);
}

} // namespace dialogs
