// Storing a dialog's controls in the INI section named after the dialog, under the controls'
// names. The names and encodings are the file format the Windows program shares; each face
// reaches its widgets by name through FormControls.
#pragma once

#include <string>
#include <vector>

namespace config {

// How a control's value is written. Controls of any other kind (buttons, labels) are not stored.
enum class StoredKind {
    Edit,        // its text
    NumericEdit, // its text, then under the same key its number with fraction
    ComboBox,    // its text; its selected index under the name followed by "I"
    CheckBox,    // Boolean
    RadioGroup,  // selected item index, -1 for none
};

struct StoredControl {
    std::string name;
    StoredKind kind;
};

// A dialog's controls by name, as a face holds them. Number is the value of every kind but the
// text ones: 0 or 1 for ticks, the chosen index (-1 none) for choices, the number of a numeric
// edit.
class FormControls {
  public:
    virtual std::string Text(const std::string& control) const = 0;
    virtual void SetText(const std::string& control, const std::string& text) = 0;
    virtual double Number(const std::string& control) const = 0;
    virtual void SetNumber(const std::string& control, double value) = 0;

  protected:
    ~FormControls() = default;
};

// Restores the controls (in the order given, their creation order); false, with nothing
// touched, when no save wrote the section before. Both throw config::IniFileError when the file
// cannot be read or written.
bool LoadFormState(FormControls& form, const std::vector<StoredControl>& controls,
                   const std::string& iniPath, const std::string& section);
void SaveFormState(const FormControls& form, const std::vector<StoredControl>& controls,
                   const std::string& iniPath, const std::string& section);

} // namespace config
