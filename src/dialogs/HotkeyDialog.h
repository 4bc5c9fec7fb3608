// A dialog that edits a global shortcut. While it is shown neither hotkey is registered, so
// every key combination reaches its shortcut field; every close (button, close box, Escape)
// runs FormClose.
#pragma once

#include "core/ProgramState.h"

#include <QDialog>

namespace core {
class Tmain;
}

namespace dialogs {

class HotkeyDialog : public QDialog {
    Q_OBJECT

  protected:
    HotkeyDialog(core::ProgramState& state, core::Tmain& main, Qt::WindowFlags flags);

    virtual void FormClose() = 0;
    void EnableHotkeys();
    QString IniPath() const;

    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

    core::ProgramState& state_;
    core::Tmain& main_;
};

} // namespace dialogs
