// A shortcut field: every key that goes down shows its shortcut text ("Strg+Alt+K"). The key
// event itself goes on, so an editable field also types the character.
#pragma once

class QLineEdit;

namespace ui {

void CaptureShortcutKeys(QLineEdit* field);

} // namespace ui
