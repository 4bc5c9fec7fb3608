// The control class of each kind, made through MakeControl.
#pragma once

#include "gui/qt/controls/Control.h"

namespace qtface {

using MakeFunction = dialogs::MakeFunction<Control>;
template <class Kind> constexpr MakeFunction kMake = &dialogs::Make<Kind, Control>;

// In TextControls.cpp, EditControls.cpp and ChoiceControls.cpp.
extern const MakeFunction kMakeLabel, kMakeButton, kMakeCheckBox, kMakeGroupBox, kMakeColorButton,
    kMakeStatusBar;
extern const MakeFunction kMakeEdit, kMakeLabeledEdit, kMakeButtonEdit, kMakeNumericEdit,
    kMakePathEdit;
extern const MakeFunction kMakeDropDownList, kMakeRadioGroup, kMakeGrid;

} // namespace qtface
