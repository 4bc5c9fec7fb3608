#include "dialogs/Layout.h"

#include <algorithm>
#include <iterator>

namespace dialogs {

Picture HubImage(int index) {
    static constexpr Picture kHubImages[] = {
        Picture::Minimize, Picture::Information, Picture::Help,
        Picture::Drive,    Picture::EditList,    Picture::Install,
        Picture::Admin,    Picture::Appearance,  Picture::EndProgram,
    };
    return index >= 0 && index < static_cast<int>(std::size(kHubImages)) ? kHubImages[index]
                                                                         : Picture::None;
}

const ControlLayout* DialogLayout::Find(const std::string& control) const {
    const auto found = std::find_if(controls.begin(), controls.end(),
                                    [&](const ControlLayout& c) { return c.name == control; });
    return found != controls.end() ? &*found : nullptr;
}

namespace {

void AppendInTabOrder(const std::vector<ControlLayout>& controls, const std::string& parent,
                      std::vector<const ControlLayout*>& order) {
    std::vector<const ControlLayout*> level;
    for (const ControlLayout& control : controls) {
        if (control.parent == parent) {
            level.push_back(&control);
        }
    }
    std::stable_sort(level.begin(), level.end(),
                     [](const auto* a, const auto* b) { return a->tabOrder < b->tabOrder; });
    for (const ControlLayout* control : level) {
        order.push_back(control);
        if (control->kind == ControlKind::GroupBox) {
            AppendInTabOrder(controls, control->name, order);
        }
    }
}

} // namespace

std::vector<const ControlLayout*> DialogLayout::TabOrder() const {
    std::vector<const ControlLayout*> order;
    AppendInTabOrder(controls, "", order);
    return order;
}

Rect DialogLayout::PlaceOf(const ControlLayout& control, int width, int height) const {
    if (!control.parent.empty()) {
        return {control.left, control.top, control.width, control.height};
    }
    switch (control.dock) {
    case Dock::Bottom:
        return {0, height - control.height, width, control.height};
    case Dock::Fill: {
        int bottom = height;
        for (const ControlLayout& other : controls) {
            if (other.parent.empty() && other.dock == Dock::Bottom) {
                bottom -= other.height;
            }
        }
        return {0, 0, width, std::max(bottom, 0)};
    }
    case Dock::None:
        break;
    }
    return {control.left, control.top, control.width, control.height};
}

std::vector<config::StoredControl> DialogLayout::StoredControls() const {
    std::vector<config::StoredControl> stored;
    for (const ControlLayout& control : controls) {
        switch (control.kind) {
        case ControlKind::Edit:
        case ControlKind::LabeledEdit:
        case ControlKind::ButtonEdit:
        case ControlKind::PathEdit:
            stored.push_back({control.name, config::StoredKind::Edit});
            break;
        case ControlKind::NumericEdit:
            stored.push_back({control.name, config::StoredKind::NumericEdit});
            break;
        case ControlKind::DropDownList:
            stored.push_back({control.name, config::StoredKind::ComboBox});
            break;
        case ControlKind::CheckBox:
            stored.push_back({control.name, config::StoredKind::CheckBox});
            break;
        case ControlKind::RadioGroup:
            stored.push_back({control.name, config::StoredKind::RadioGroup});
            break;
        default: // buttons, labels, frames, colour buttons, grids and status bars keep nothing
            break;
        }
    }
    return stored;
}

ControlLayout PlacedControl(const std::string& name, ControlKind kind, const Rect& place,
                            const std::string& caption, int helpContext, int tabOrder,
                            const std::string& hint) {
    ControlLayout control{name, kind, place.left, place.top, place.width, place.height, caption};
    control.helpContext = helpContext;
    control.tabOrder = tabOrder;
    control.hint = hint;
    return control;
}

ControlLayout PictureButton(const std::string& name, const Rect& place, const std::string& caption,
                            int helpContext, int tabOrder, const std::string& hint, Picture picture,
                            const std::string& parent) {
    ControlLayout button =
        PlacedControl(name, ControlKind::Button, place, caption, helpContext, tabOrder, hint);
    button.picture = picture;
    button.parent = parent;
    return button;
}

} // namespace dialogs
