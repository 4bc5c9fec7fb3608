#include "dialogs/HotkeyDialog.h"

#include "core/MainForm.h"
#include "ui/Hints.h"
#include "ui/ImageList.h"

#include <QCloseEvent>

namespace dialogs {

HotkeyDialog::HotkeyDialog(core::ProgramState& state, core::Tmain& main, Qt::WindowFlags flags)
    : QDialog(nullptr, flags), state_(state), main_(main) {
    setWindowIcon(ui::ApplicationIcon());
    QFont tahoma("Tahoma");
    tahoma.setPixelSize(13);
    setFont(tahoma);
    ui::EnableHelpKey(this);
}

void HotkeyDialog::EnableHotkeys() {
    main_.hotkey.SetEnabled(true);
    main_.adminhotkey.SetEnabled(true);
}

QString HotkeyDialog::IniPath() const {
    return QString::fromStdString(state_.location.IniPath);
}

// FormShow of both dialogs.
void HotkeyDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    main_.hotkey.SetEnabled(false);
    main_.adminhotkey.SetEnabled(false);
}

void HotkeyDialog::closeEvent(QCloseEvent* event) {
    FormClose();
    event->accept();
}

// Escape closes as the close box does.
void HotkeyDialog::reject() {
    close();
}

} // namespace dialogs
