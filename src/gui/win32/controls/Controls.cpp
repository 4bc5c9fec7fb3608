#include "gui/win32/controls/Kinds.h"

#include <iterator>

namespace win32face {

// In the order of dialogs::ControlKind.
std::unique_ptr<Control> MakeControl(const dialogs::ControlLayout& layout,
                                     dialogs::DialogEvents& events) {
    static const MakeFunction kMakers[] = {
        kMakeLabel,       kMakeButton,       kMakeCheckBox,   kMakeEdit,      kMakeLabeledEdit,
        kMakeButtonEdit,  kMakeDropDownList, kMakeRadioGroup, kMakeGroupBox,  kMakeNumericEdit,
        kMakeColorButton, kMakePathEdit,     kMakeGrid,       kMakeStatusBar,
    };
    static_assert(std::size(kMakers) == static_cast<size_t>(dialogs::ControlKind::StatusBar) + 1);
    return kMakers[static_cast<size_t>(layout.kind)](layout, events);
}

} // namespace win32face
