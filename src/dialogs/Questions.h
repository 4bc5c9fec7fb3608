// The questions a face asks as modal boxes and choosers. The backend is chosen where a binary is
// linked, as the starter's is: the program and the tests of the boxes themselves link their
// face's (gui/qt/Questions.cpp, gui/win32/Questions.cpp), the face tests that drive windows one
// that answers from queues (tests/support/Questions_scripted.cpp).
#pragma once

#include "dialogs/DialogView.h"

#include <optional>
#include <string>

namespace dialogs {

// The window a question comes up over as its face knows it (a QWidget*, an HWND); null for none.
using QuestionOwner = void*;

// Messages with their buttons and help context ("\r" breaks lines).
Answer Ask(QuestionOwner owner, const MessageQuestion& question);
// Files and folders; the current folder stays as it was.
std::optional<std::string> AskPath(QuestionOwner owner, const PathQuestion& question);
// Preset to a colour; the custom colours stay for the run, shared by every chooser.
std::optional<int> AskColor(QuestionOwner owner, int current);

} // namespace dialogs
