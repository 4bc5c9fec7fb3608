#include "dialogs/Form.h"

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

const ControlLayout* FormLayout::Find(const std::string& control) const {
    for (const ControlLayout& layout : controls) {
        if (layout.name == control) {
            return &layout;
        }
    }
    return nullptr;
}

std::vector<config::StoredControl> FormLayout::StoredControls() const {
    std::vector<config::StoredControl> stored;
    for (const ControlLayout& control : controls) {
        if (control.type == ControlType::LabeledEdit) {
            stored.push_back({control.name, config::StoredKind::Edit});
        } else if (control.type == ControlType::CheckBox) {
            stored.push_back({control.name, config::StoredKind::CheckBox});
        }
    }
    return stored;
}

} // namespace dialogs
