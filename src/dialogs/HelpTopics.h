// The help topic of a help context number, as a face shows it. The backend is chosen where a
// binary is linked, as the questions' is: the program and the tests of the help itself link their
// face's (gui/qt/HelpTopics.cpp, gui/win32/HelpTopics.cpp), the face tests that press F1 and the
// help buttons one that records the numbers (tests/support/HelpTopics_recorded.cpp).
#pragma once

namespace dialogs {

// The window that asks as its face knows it (a QWidget*, an HWND); null for none.
using HelpOwner = void*;

// Nothing for a number without a topic.
void ShowHelpTopic(HelpOwner owner, int context);

} // namespace dialogs
