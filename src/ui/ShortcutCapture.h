// A shortcut field: every key that goes down shows its shortcut text ("Strg+Alt+K"). The key
// event itself goes on, so an editable field also types the character.
#pragma once

#include <QString>

class QLineEdit;

namespace components {
class Tfishotkey;
}

namespace ui {

void CaptureShortcutKeys(QLineEdit* field);

// Gives target the field's shortcut unless it is the other hotkey's; then the refusal is shown
// (help context 400) and target keeps its key.
void ApplyShortcutField(const QLineEdit* field, components::Tfishotkey& target,
                        const components::Tfishotkey& other, const QString& refusal);

} // namespace ui
