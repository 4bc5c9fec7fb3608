#include "config/FormState.h"

#include "config/FormStateFile.h"

#include <QAbstractSpinBox>
#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QListWidget>
#include <QSlider>
#include <QSpinBox>

namespace config {

namespace {

// Dates as the Windows program stores them: days since 30 December 1899, time as fraction.
const QDateTime kDateOrigin(QDate(1899, 12, 30), QTime(0, 0));

std::string Utf8(const QString& text) {
    return text.toStdString();
}
QString FromUtf8(const std::string& text) {
    return QString::fromStdString(text);
}

// The controls the dialog placed itself, in creation order; the parts inside composite
// controls (a spin box's line edit) are not the dialog's.
QList<QObject*> OwnedControls(QWidget* form) {
    QList<QObject*> controls;
    for (QObject* object : form->findChildren<QObject*>()) {
        const QObject* parent = object->parent();
        const bool inner = qobject_cast<const QAbstractSpinBox*>(parent) != nullptr ||
                           qobject_cast<const QComboBox*>(parent) != nullptr;
        if (!inner && !object->objectName().isEmpty() && !object->objectName().startsWith("qt_")) {
            controls.append(object);
        }
    }
    return controls;
}

double SpinValue(const QAbstractSpinBox* box) {
    if (const auto* doubleBox = qobject_cast<const QDoubleSpinBox*>(box)) {
        return doubleBox->value();
    }
    return static_cast<const QSpinBox*>(box)->value();
}

void SetSpinValue(QAbstractSpinBox* box, double value) {
    if (auto* doubleBox = qobject_cast<QDoubleSpinBox*>(box)) {
        doubleBox->setValue(value);
    } else if (auto* intBox = qobject_cast<QSpinBox*>(box)) {
        intBox->setValue(static_cast<int>(value));
    }
}

void Store(IniFile& ini, const std::string& section, QObject* control) {
    const std::string key = Utf8(control->objectName());
    if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        ini.WriteString(section, key, Utf8(edit->text()));
    } else if (auto* spin = qobject_cast<QAbstractSpinBox*>(control);
               spin != nullptr && qobject_cast<QDateTimeEdit*>(control) == nullptr) {
        ini.WriteString(section, key, Utf8(spin->text()));
        ini.WriteFloat(section, key, SpinValue(spin));
    } else if (auto* combo = qobject_cast<QComboBox*>(control)) {
        ini.WriteString(section, key, Utf8(combo->currentText()));
        ini.WriteInteger(section, key + "I", combo->currentIndex());
    } else if (auto* check = qobject_cast<QCheckBox*>(control)) {
        ini.WriteBool(section, key, check->isChecked());
    } else if (auto* group = qobject_cast<QButtonGroup*>(control)) {
        ini.WriteInteger(section, key, group->checkedId());
    } else if (auto* list = qobject_cast<QListWidget*>(control)) {
        ini.WriteInteger(section, key, list->currentRow());
    } else if (auto* action = qobject_cast<QAction*>(control)) {
        ini.WriteBool(section, key, action->isChecked());
    } else if (auto* date = qobject_cast<QDateTimeEdit*>(control)) {
        ini.WriteFloat(section, key, kDateOrigin.msecsTo(date->dateTime()) / 86400000.0);
    } else if (auto* slider = qobject_cast<QSlider*>(control)) {
        ini.WriteInteger(section, key, slider->value());
    }
}

void Restore(const IniFile& ini, const std::string& section, QObject* control) {
    const std::string key = Utf8(control->objectName());
    if (auto* combo = qobject_cast<QComboBox*>(control)) {
        combo->setCurrentIndex(ini.ReadInteger(section, key + "I", combo->currentIndex()));
        combo->setCurrentText(FromUtf8(ini.ReadString(section, key, Utf8(combo->currentText()))));
    } else if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        edit->setText(FromUtf8(ini.ReadString(section, key, Utf8(edit->text()))));
    } else if (auto* date = qobject_cast<QDateTimeEdit*>(control)) {
        const double days =
            ini.ReadFloat(section, key, kDateOrigin.msecsTo(date->dateTime()) / 86400000.0);
        date->setDateTime(kDateOrigin.addMSecs(static_cast<qint64>(days * 86400000.0)));
    } else if (auto* spin = qobject_cast<QAbstractSpinBox*>(control)) {
        SetSpinValue(spin, ini.ReadFloat(section, key, SpinValue(spin)));
    } else if (auto* check = qobject_cast<QCheckBox*>(control)) {
        check->setChecked(ini.ReadBool(section, key, check->isChecked()));
    } else if (auto* group = qobject_cast<QButtonGroup*>(control)) {
        const int id = ini.ReadInteger(section, key, group->checkedId());
        if (QAbstractButton* button = group->button(id)) {
            button->setChecked(true);
        } else if (QAbstractButton* checked = group->checkedButton()) {
            group->setExclusive(false);
            checked->setChecked(false);
            group->setExclusive(true);
        }
    } else if (auto* list = qobject_cast<QListWidget*>(control)) {
        list->setCurrentRow(ini.ReadInteger(section, key, list->currentRow()));
    } else if (auto* action = qobject_cast<QAction*>(control)) {
        action->setChecked(ini.ReadBool(section, key, action->isChecked()));
    } else if (auto* slider = qobject_cast<QSlider*>(control)) {
        slider->setValue(ini.ReadInteger(section, key, slider->value()));
    }
}

} // namespace

bool LoadFormState(QWidget* form, const QString& iniPath) {
    const std::string section = Utf8(form->objectName());
    const FormStateSource source = OpenFormStateForLoad(Utf8(iniPath), section);
    if (!source.present) {
        return false;
    }
    for (QObject* control : OwnedControls(form)) {
        Restore(source.ini, section, control);
    }
    return true;
}

void SaveFormState(QWidget* form, const QString& iniPath) {
    const std::string section = Utf8(form->objectName());
    IniFile ini = OpenFormStateForSave(Utf8(iniPath), section);
    for (QObject* control : OwnedControls(form)) {
        Store(ini, section, control);
    }
    if (!ini.UpdateFile()) {
        throw IniFileError("Die Datei " + ini.Path() + " kann nicht geschrieben werden.");
    }
}

} // namespace config
