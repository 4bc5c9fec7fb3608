#include "dialogs/ControlValue.h"

#include "config/IniFile.h"
#include "platform/Locale.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace dialogs {

namespace {

bool IsChoice(ControlKind kind) {
    return kind == ControlKind::DropDownList || kind == ControlKind::RadioGroup ||
           kind == ControlKind::Grid;
}

bool ShowsCaption(ControlKind kind) {
    return kind == ControlKind::Label || kind == ControlKind::Button ||
           kind == ControlKind::CheckBox || kind == ControlKind::RadioGroup ||
           kind == ControlKind::GroupBox || kind == ControlKind::ColorButton;
}

} // namespace

double NumericEditValue(const std::string& text) {
    std::string plain;
    const char thousands = platform::ThousandsSeparator();
    for (const char c : text) {
        if (thousands == '\0' || c != thousands) {
            plain += c;
        }
    }
    double value = 0;
    return config::ParseIniFloat(plain, platform::DecimalSeparator(), value) ? value : 0;
}

std::string NumericEditText(double value) {
    if (!std::isfinite(value)) {
        return "0";
    }
    double rounded = std::round(value);
    const double magnitude = std::fabs(rounded);
    if (magnitude >= 1e8) {
        const double unit = std::pow(10.0, std::floor(std::log10(magnitude)) - 7);
        rounded = std::round(rounded / unit) * unit;
    }
    char digits[64];
    std::snprintf(digits, sizeof digits, "%.0f", std::fabs(rounded));
    const std::string all = digits;
    std::string text = rounded < 0 ? "-" : "";
    const char thousands = platform::ThousandsSeparator();
    for (size_t i = 0; i < all.size(); ++i) {
        if (i != 0 && (all.size() - i) % 3 == 0 && thousands != '\0') {
            text += thousands;
        }
        text += all[i];
    }
    return text;
}

ControlValue::ControlValue(const ControlLayout& layout)
    : layout_(&layout), text_(ShowsCaption(layout.kind) ? layout.caption : layout.text),
      number_(IsChoice(layout.kind) ? -1 : 0), items_(layout.items), enabled_(layout.enabled) {
    if (layout.kind == ControlKind::NumericEdit) {
        number_ = NumericEditValue(text_);
    }
}

std::string ControlValue::Text() const {
    if (layout_->kind == ControlKind::DropDownList) {
        const int index = static_cast<int>(number_);
        return index >= 0 && index < static_cast<int>(items_.size()) ? items_[index] : "";
    }
    return text_;
}

// A drop-down list takes no free text: the text chooses the item it names, or none.
void ControlValue::SetText(const std::string& text) {
    if (layout_->kind == ControlKind::DropDownList) {
        const auto found = std::find(items_.begin(), items_.end(), text);
        number_ = found != items_.end() ? static_cast<double>(found - items_.begin()) : -1;
        return;
    }
    text_ = text;
    if (layout_->kind == ControlKind::NumericEdit) {
        number_ = NumericEditValue(text);
    }
}

double ControlValue::Number() const {
    return number_;
}

void ControlValue::SetNumber(double value) {
    switch (layout_->kind) {
    case ControlKind::CheckBox:
        number_ = value != 0 ? 1 : 0;
        break;
    case ControlKind::DropDownList:
    case ControlKind::RadioGroup:
    case ControlKind::Grid: {
        const int count =
            static_cast<int>(layout_->kind == ControlKind::Grid ? rows_.size() : items_.size());
        const int index = static_cast<int>(value);
        number_ = index >= 0 && index < count ? index : -1;
        break;
    }
    case ControlKind::NumericEdit: // the number follows the text it shows
        SetText(NumericEditText(value));
        break;
    case ControlKind::ColorButton:
        number_ = static_cast<int>(value);
        break;
    default:
        break;
    }
}

void ControlValue::SetItems(const std::vector<std::string>& items) {
    items_ = items;
    number_ = -1;
}

void ControlValue::SetRows(const Rows& rows) {
    rows_ = rows;
    if (number_ >= static_cast<double>(rows_.size())) {
        number_ = -1;
    }
}

} // namespace dialogs
