// The three windows of a run over their logic, created in start-up order and wired both ways:
// the launcher, the settings hub (hidden) and the admin dialog (hidden).
#pragma once

#include "dialogs/Program.h"
#include "gui/win32/FormWindow.h"
#include "gui/win32/MainWindow.h"

#include <optional>

namespace wingui {

struct ProgramWindows {
    explicit ProgramWindows(core::ProgramState& state);
    // The logic ends first, without events from here on: the launcher saves its bounds while
    // its window still exists.
    ~ProgramWindows();
    ProgramWindows(const ProgramWindows&) = delete;
    ProgramWindows& operator=(const ProgramWindows&) = delete;

    MainWindow main;
    FormWindow hub{dialogs::THauptformular::Form()};
    FormWindow admin{dialogs::TAdmindata::Form()};
    std::optional<dialogs::Program> program;
};

} // namespace wingui
