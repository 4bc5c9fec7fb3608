// An edit that shows the last key combination pressed in it as shortcut text ("Strg+Alt+K"),
// and the two global hotkeys it sets: the hub's and the admin dialog's. While either dialog is
// shown neither hotkey is registered, so every combination reaches the field.
#pragma once

#include "core/ProgramState.h"
#include "dialogs/DialogView.h"

#include <string>

namespace dialogs {

class ShortcutField {
  public:
    ShortcutField(DialogView& view, std::string control);

    // The field's text := the combination; Tab, Enter and Escape keep their dialog meaning.
    void Capture(unsigned virtualKey, components::ShiftState shift);
    // Gives target the field's shortcut unless other has it; then the refusal is shown (help
    // context 400) and target keeps its key.
    void ApplyTo(components::Tfishotkey& target, const components::Tfishotkey& other,
                 const char* refusal);

  private:
    DialogView& view_;
    std::string control_;
};

// Switches off (then on) first, then second; switched on, the program hears of it.
void SetHotkeysEnabled(core::ProgramState& state, components::Tfishotkey& first,
                       components::Tfishotkey& second, bool enabled);

} // namespace dialogs
