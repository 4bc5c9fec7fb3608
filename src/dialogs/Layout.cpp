#include "dialogs/Layout.h"

#include <algorithm>
#include <iterator>
#include <utility>

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

ControlBuilder::ControlBuilder(ControlKind kind, ControlName name)
    : control_{name, kind, 0, 0, 0, 0} {}

ControlBuilder& ControlBuilder::At(int left, int top, int width, int height) {
    control_.left = left;
    control_.top = top;
    control_.width = width;
    control_.height = height;
    return *this;
}

ControlBuilder& ControlBuilder::Caption(std::string caption) {
    control_.caption = std::move(caption);
    return *this;
}

ControlBuilder& ControlBuilder::Text(std::string text) {
    control_.text = std::move(text);
    return *this;
}

ControlBuilder& ControlBuilder::Help(int helpContext) {
    control_.helpContext = helpContext;
    return *this;
}

ControlBuilder& ControlBuilder::Tab(int tabOrder) {
    control_.tabOrder = tabOrder;
    return *this;
}

ControlBuilder& ControlBuilder::Image(Picture picture) {
    control_.picture = picture;
    return *this;
}

ControlBuilder& ControlBuilder::Hint(std::string hint) {
    control_.hint = std::move(hint);
    return *this;
}

ControlBuilder& ControlBuilder::Items(std::vector<std::string> items) {
    control_.items = std::move(items);
    return *this;
}

ControlBuilder& ControlBuilder::Columns(int columns) {
    control_.columns = columns;
    return *this;
}

ControlBuilder& ControlBuilder::In(ControlName groupBox) {
    control_.parent = groupBox;
    return *this;
}

ControlBuilder& ControlBuilder::Docked(Dock dock) {
    control_.dock = dock;
    return *this;
}

ControlBuilder& ControlBuilder::Browse(PathOptions options) {
    control_.path = std::move(options);
    return *this;
}

ControlBuilder& ControlBuilder::ReadOnly() {
    control_.readOnly = true;
    return *this;
}

ControlBuilder& ControlBuilder::CapturesShortcut() {
    control_.capturesShortcut = true;
    return *this;
}

ControlBuilder& ControlBuilder::AcceptsFiles() {
    control_.acceptsFiles = true;
    return *this;
}

ControlBuilder& ControlBuilder::Default() {
    control_.isDefault = true;
    return *this;
}

ControlBuilder& ControlBuilder::Cancel() {
    control_.isCancel = true;
    return *this;
}

} // namespace dialogs
