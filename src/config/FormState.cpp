#include "config/FormState.h"

#include "config/FormStateFile.h"

namespace config {

namespace {

void Store(IniFile& ini, const std::string& section, const FormControls& form,
           const StoredControl& control) {
    const std::string& key = control.name;
    switch (control.kind) {
    case StoredKind::Edit:
        ini.WriteString(section, key, form.Text(key));
        break;
    case StoredKind::NumericEdit:
        ini.WriteString(section, key, form.Text(key));
        ini.WriteFloat(section, key, form.Number(key));
        break;
    case StoredKind::ComboBox:
        ini.WriteString(section, key, form.Text(key));
        ini.WriteInteger(section, key + "I", static_cast<int>(form.Number(key)));
        break;
    case StoredKind::CheckBox:
        ini.WriteBool(section, key, form.Number(key) != 0);
        break;
    case StoredKind::RadioGroup:
        ini.WriteInteger(section, key, static_cast<int>(form.Number(key)));
        break;
    }
}

void Restore(const IniFile& ini, const std::string& section, FormControls& form,
             const StoredControl& control) {
    const std::string& key = control.name;
    switch (control.kind) {
    case StoredKind::Edit:
        form.SetText(key, ini.ReadString(section, key, form.Text(key)));
        break;
    case StoredKind::NumericEdit:
        form.SetNumber(key, ini.ReadFloat(section, key, form.Number(key)));
        break;
    case StoredKind::ComboBox:
        // The index first; the text's default is then the text of that selection.
        form.SetNumber(key,
                       ini.ReadInteger(section, key + "I", static_cast<int>(form.Number(key))));
        form.SetText(key, ini.ReadString(section, key, form.Text(key)));
        break;
    case StoredKind::CheckBox:
        form.SetNumber(key, ini.ReadBool(section, key, form.Number(key) != 0) ? 1 : 0);
        break;
    case StoredKind::RadioGroup:
        form.SetNumber(key, ini.ReadInteger(section, key, static_cast<int>(form.Number(key))));
        break;
    }
}

} // namespace

bool LoadFormState(FormControls& form, const std::vector<StoredControl>& controls,
                   const std::string& iniPath, const std::string& section) {
    const FormStateSource source = OpenFormStateForLoad(iniPath, section);
    if (!source.present) {
        return false;
    }
    for (const StoredControl& control : controls) {
        Restore(source.ini, section, form, control);
    }
    return true;
}

void SaveFormState(const FormControls& form, const std::vector<StoredControl>& controls,
                   const std::string& iniPath, const std::string& section) {
    IniFile ini = OpenFormStateForSave(iniPath, section);
    for (const StoredControl& control : controls) {
        Store(ini, section, form, control);
    }
    if (!ini.UpdateFile()) {
        throw IniFileError("Die Datei " + ini.Path() + " kann nicht geschrieben werden.");
    }
}

} // namespace config
