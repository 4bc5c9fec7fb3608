// The control class of each kind, made through dialogs::MakeControl<Kinds>.
#pragma once

#include "gui/qt/controls/Control.h"

namespace qtface {

struct Kinds {
    using Control = qtface::Control;
    using Maker = dialogs::MakeFunction<Control>;

    // In TextControls.cpp, EditControls.cpp and ChoiceControls.cpp.
    static const Maker kLabel, kButton, kCheckBox, kGroupBox, kColorButton, kStatusBar;
    static const Maker kEdit, kLabeledEdit, kButtonEdit, kNumericEdit, kPathEdit;
    static const Maker kDropDownList, kRadioGroup, kGrid;
};

template <class Kind> constexpr Kinds::Maker kMake = &dialogs::Make<Kind, Control>;

} // namespace qtface
