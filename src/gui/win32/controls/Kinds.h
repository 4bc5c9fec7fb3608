// The control class of each kind, made through MakeControl.
#pragma once

#include "gui/win32/controls/Control.h"

namespace win32face {

// In TextControls.cpp, EditControls.cpp and ChoiceControls.cpp.
extern const MakeFunction kMakeLabel, kMakeButton, kMakeCheckBox, kMakeGroupBox, kMakeColorButton,
    kMakeStatusBar;
extern const MakeFunction kMakeEdit, kMakeLabeledEdit, kMakeButtonEdit, kMakeNumericEdit,
    kMakePathEdit;
extern const MakeFunction kMakeDropDownList, kMakeRadioGroup, kMakeGrid;

} // namespace win32face
