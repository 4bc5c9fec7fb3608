#include "support/EveryKind.h"

namespace testing_support {

using dialogs::ControlKind;

const std::vector<ControlKind>& EveryKind() {
    static const std::vector<ControlKind> kinds = [] {
        std::vector<ControlKind> all;
        for (int kind = 0; kind <= static_cast<int>(ControlKind::StatusBar); ++kind) {
            all.push_back(static_cast<ControlKind>(kind));
        }
        return all;
    }();
    return kinds;
}

std::string NameOf(ControlKind kind) {
    return "kind" + std::to_string(static_cast<int>(kind));
}

const dialogs::DialogLayout& EveryKindLayout() {
    static const dialogs::DialogLayout layout = [] {
        dialogs::DialogLayout form{"EveryKind",
                                   "Alle Arten",
                                   dialogs::FrameKind::Sizable,
                                   400,
                                   40 * static_cast<int>(EveryKind().size()),
                                   0,
                                   {}};
        int top = 8;
        for (const ControlKind kind : EveryKind()) {
            dialogs::ControlLayout control{NameOf(kind), kind, 8, top, 300, 32, "Beschriftung"};
            control.items = {"eins", "zwei", "drei"};
            control.columns = kind == ControlKind::Grid ? 3 : 2;
            control.tabOrder = static_cast<int>(form.controls.size());
            control.hint = "Titel|Text";
            form.controls.push_back(control);
            if (kind == ControlKind::GroupBox) {
                form.controls.push_back({"inFrame", ControlKind::Button, 4, 4, 80, 20, "Drin"});
                form.controls.back().parent = control.name;
            }
            top += 40;
        }
        return form;
    }();
    return layout;
}

EveryKindDialog::EveryKindDialog(core::ProgramState& state, dialogs::ViewFactory& views)
    : DialogLogic(state, views, EveryKindLayout()) {
    for (const dialogs::ControlLayout& control : EveryKindLayout().controls) {
        const std::string name = control.name;
        OnClick(name, [this, name] { clicked.push_back(name); });
        OnChange(name, [this, name] { changed.push_back(name); });
        OnDoubleClick(name, [this, name] { doubleClicked.push_back(name); });
    }
}

} // namespace testing_support
