// Loading and saving the launch table so that a change another program makes to its file while
// this one runs is never lost: a save first takes in the bindings changed there, and asks which
// side holds where both sides changed the same binding.
#pragma once

#include "core/ProgramState.h"
#include "dialogs/DialogView.h"

namespace dialogs {

// Asks whether the user's changes hold where another program changed the same values meanwhile;
// changed names them with their verb ("Die Belegung der Tasten A wurde").
bool OwnChangesHold(DialogView& asking, const std::string& changed);

// Throws config::IniFileError when the file exists but cannot be read; the table is then kept.
void LoadFollowedLaunchTable(core::ProgramState& state);
// False when the file could not be written. Throws config::IniFileError when it cannot be read.
bool SaveFollowedLaunchTable(core::ProgramState& state, DialogView& asking);
// An outside change taken into the table in memory at once, where no binding clashes with one
// made here and not saved yet; false when it must wait for the next save.
bool TakeOutsideLaunchTable(core::ProgramState& state, const config::IniFile& file);

} // namespace dialogs
