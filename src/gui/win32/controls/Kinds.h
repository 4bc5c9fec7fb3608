// The control class of each kind, made through dialogs::MakeControl<Kinds>.
#pragma once

#include "gui/win32/controls/Control.h"

namespace win32face {

struct Kinds {
    using Control = win32face::Control;
    using Maker = dialogs::MakeFunction<Control>;

    // In TextControls.cpp, EditControls.cpp and ChoiceControls.cpp.
    static const Maker kLabel, kButton, kCheckBox, kGroupBox, kColorButton, kStatusBar;
    static const Maker kEdit, kLabeledEdit, kButtonEdit, kNumericEdit, kPathEdit;
    static const Maker kDropDownList, kRadioGroup, kGrid;
};

template <class Kind> constexpr Kinds::Maker kMake = &dialogs::Make<Kind, Control>;

} // namespace win32face
