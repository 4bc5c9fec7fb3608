#include "logic/FakeViews.h"

namespace testing_support {

FakeDialogView::FakeDialogView(const dialogs::DialogLayout& layout, dialogs::DialogEvents& events)
    : user(events) {
    for (const dialogs::ControlLayout& control : layout.controls) {
        controls_.emplace(control.name, dialogs::ControlValue(control));
    }
}

dialogs::ControlValue& FakeDialogView::At(const std::string& control) {
    return controls_.at(control);
}

const dialogs::ControlValue* FakeDialogView::Find(const std::string& control) const {
    const auto found = controls_.find(control);
    return found != controls_.end() ? &found->second : nullptr;
}

// A name that is no control of the dialog is a fault of the logic: it throws here.
std::string FakeDialogView::Text(const std::string& control) const {
    return controls_.at(control).Text();
}

void FakeDialogView::SetText(const std::string& control, const std::string& text) {
    At(control).SetText(text);
}

double FakeDialogView::Number(const std::string& control) const {
    return controls_.at(control).Number();
}

void FakeDialogView::SetNumber(const std::string& control, double value) {
    At(control).SetNumber(value);
}

void FakeDialogView::SetItems(const std::string& control, const std::vector<std::string>& items) {
    At(control).SetItems(items);
}

std::vector<std::string> FakeDialogView::Items(const std::string& control) const {
    return controls_.at(control).Items();
}

void FakeDialogView::SetRows(const std::string& grid, const dialogs::Rows& rows) {
    At(grid).SetRows(rows);
}

dialogs::Rows FakeDialogView::RowsOf(const std::string& grid) const {
    return controls_.at(grid).RowsOf();
}

void FakeDialogView::SetColumnWidths(const std::string& grid, const std::vector<int>& widths) {
    At(grid);
    columnWidths[grid] = widths;
}

int FakeDialogView::TextWidth(const std::string&, const std::string& text) const {
    return 7 * static_cast<int>(text.size());
}

void FakeDialogView::SetEnabled(const std::string& control, bool enabled) {
    At(control).SetEnabled(enabled);
}

bool FakeDialogView::Enabled(const std::string& control) const {
    return controls_.at(control).Enabled();
}

dialogs::Closed FakeDialogView::ShowModal() {
    shown = true;
    if (whileModal) {
        whileModal();
    }
    if (shown) {
        user.CloseRequested();
    }
    return closed;
}

void FakeDialogView::HideForm(dialogs::Closed how) {
    shown = false;
    closed = how;
}

std::unique_ptr<dialogs::DialogView>
FakeViewFactory::NewDialogView(const dialogs::DialogLayout& layout, dialogs::DialogEvents& events) {
    auto view = std::make_unique<FakeDialogView>(layout, events);
    dialogs_[layout.name] = view.get();
    return view;
}

} // namespace testing_support
