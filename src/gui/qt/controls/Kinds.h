// The control class of each kind, made through MakeControl.
#pragma once

#include "gui/qt/controls/Control.h"

namespace qtface {

using MakeFunction = std::unique_ptr<Control> (*)(const dialogs::ControlLayout&,
                                                  dialogs::DialogEvents&);

template <class Kind>
std::unique_ptr<Control> Make(const dialogs::ControlLayout& layout, dialogs::DialogEvents& events) {
    return std::make_unique<Kind>(layout, events);
}

// In TextControls.cpp, EditControls.cpp and ChoiceControls.cpp.
extern const MakeFunction kMakeLabel, kMakeButton, kMakeCheckBox, kMakeGroupBox, kMakeColorButton,
    kMakeStatusBar;
extern const MakeFunction kMakeEdit, kMakeLabeledEdit, kMakeButtonEdit, kMakeNumericEdit,
    kMakePathEdit;
extern const MakeFunction kMakeDropDownList, kMakeRadioGroup, kMakeGrid;

} // namespace qtface
