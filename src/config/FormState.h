// Storing a dialog's controls in the INI section named after the dialog, under the controls'
// names; the names and encodings are the file format the Windows program shares.
#pragma once

#include <QString>

class QWidget;

namespace config {

// Restores the named controls; false (nothing touched) when no save wrote the section before.
// Both throw config::IniFileError when the file cannot be read or written.
bool LoadFormState(QWidget* form, const QString& iniPath);
void SaveFormState(QWidget* form, const QString& iniPath);

} // namespace config
