// What the settings hub and the admin dialog share: each edits one global shortcut in a field
// named "kuerzel". While either is shown neither hotkey is registered, so every key combination
// reaches the field; every close (button, close box, Escape) runs FormClose.
#pragma once

#include "core/ProgramState.h"
#include "dialogs/Form.h"

#include <exception>

namespace dialogs {

class HotkeyDialog : public FormLogic {
  public:
    // A hidden dialog is shown and runs FormShow; a shown one comes to the front.
    void Show();
    // The close of a button: FormClose, then hidden.
    void Close();

    void KeyDown(const std::string& control, unsigned virtualKey,
                 components::ShiftState shift) override;

  protected:
    HotkeyDialog(core::ProgramState& state, DialogView& view);
    ~HotkeyDialog() = default;

    virtual void FormShow() = 0;
    virtual void KuerzelKeyDown(unsigned virtualKey, components::ShiftState shift);

    // Switches off (then on) first, then second; switched on, the program hears of it.
    void SetHotkeysEnabled(components::Tfishotkey& first, components::Tfishotkey& second,
                           bool enabled);
    // Gives target the shortcut of the field's text unless the other hotkey has it; then the
    // refusal is shown (help context 400) and target keeps its key.
    void ApplyShortcutField(components::Tfishotkey& target, const components::Tfishotkey& other,
                            const char* refusal);

    // The dialog's stored controls; an error of the file is reported and the dialog goes on.
    void LoadState();
    void SaveState();
    void ReportError(const std::exception& error);

    core::ProgramState& state_;
    DialogView& view_;
};

} // namespace dialogs
