// The X display as a user meets it, through xdotool and other command-line tools: real key events
// through XTEST and the windows that are shown.
#pragma once

#include <string>

namespace testing_support {

// What the shell command writes to its standard output.
std::string CommandOutput(const std::string& command);
// Keys as xdotool names them ("alt+F12 k"), pressed one after another.
void PressXKeys(const std::string& keys);
bool VisibleWindowNamed(const std::string& name);
// Whether the window of that name has the keyboard: keys sent before then go elsewhere.
bool FocusedWindowNamed(const std::string& name);

} // namespace testing_support
