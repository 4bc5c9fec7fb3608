#include "dialogs/DialogLogic.h"

#include "config/IniFile.h"
#include "platform/FileSystem.h"
#include "platform/Paths.h"

#include <set>

namespace dialogs {

namespace {

template <class Table, class... Arguments>
bool Run(const Table& table, const std::string& control, Arguments&&... arguments) {
    const auto found = table.find(control);
    if (found == table.end()) {
        return false;
    }
    found->second(std::forward<Arguments>(arguments)...);
    return true;
}

// The folder part of a path, with its trailing separator.
std::string FolderOf(const std::string& path) {
    return path.substr(0, path.size() - platform::FileNameOf(path).size());
}

} // namespace

DialogLogic::DialogLogic(core::ProgramState& state, ViewFactory& views, const DialogLayout& layout)
    : state_(state), views_(views), layout_(layout), ownView_(views.NewDialogView(layout, *this)),
      view_(*ownView_) {
    for (const ControlLayout& control : layout.controls) {
        if (control.kind == ControlKind::PathEdit) {
            paths_[control.name] = control.path;
        }
    }
}

DialogLogic::~DialogLogic() = default;

void DialogLogic::Show() {
    if (view_.IsShown()) {
        view_.FocusForm();
        return;
    }
    FormShow();
    view_.ShowForm();
}

Closed DialogLogic::ShowModal() {
    FormShow();
    ++state_.modalDialogs;
    struct Ended {
        int& count;
        ~Ended() { --count; }
    } ended{state_.modalDialogs};
    return view_.ShowModal();
}

void DialogLogic::Close(Closed how) {
    FormClose();
    view_.HideForm(how);
    if (state_.DialogClosed) {
        state_.DialogClosed();
    }
}

std::vector<std::string> DialogLogic::HandledControls() const {
    std::set<std::string> names;
    for (const auto* table : {&clicks_, &changes_, &doubleClicks_}) {
        for (const auto& entry : *table) {
            names.insert(entry.first);
        }
    }
    for (const auto& entry : keys_) {
        names.insert(entry.first);
    }
    return {names.begin(), names.end()};
}

void DialogLogic::Clicked(const std::string& control) {
    const ControlLayout* layout = layout_.Find(control);
    if (layout != nullptr && layout->kind == ControlKind::ColorButton) {
        ChooseColor(control);
    } else if (layout != nullptr && layout->kind == ControlKind::PathEdit) {
        ChoosePath(control);
    }
    Run(clicks_, control);
}

void DialogLogic::Changed(const std::string& control) {
    Run(changes_, control);
}

void DialogLogic::DoubleClicked(const std::string& control) {
    Run(doubleClicks_, control);
}

// One binding is made at a time: of several files dropped at once, the first counts.
void DialogLogic::FilesDropped(const std::string& control, int row,
                               const std::vector<std::string>& paths) {
    if (paths.empty() || Run(drops_, control, row, paths.front())) {
        return;
    }
    const ControlLayout* layout = layout_.Find(control);
    if (layout != nullptr && layout->kind == ControlKind::PathEdit && layout->acceptsFiles) {
        const std::string& path = paths.front();
        const bool folders = paths_[control].folders;
        view_.SetText(control, folders && !platform::DirectoryExists(path) ? FolderOf(path) : path);
    }
}

void DialogLogic::KeyDown(const std::string& control, unsigned virtualKey,
                          components::ShiftState shift) {
    Run(keys_, control, virtualKey, shift);
}

void DialogLogic::CloseRequested() {
    Close(Closed::CloseBox);
}

void DialogLogic::Resized(int width, int height) {
    if (resize_) {
        resize_(width, height);
    }
}

void DialogLogic::OnClick(ControlName control, Handler handler) {
    clicks_[control] = std::move(handler);
}

void DialogLogic::OnChange(ControlName control, Handler handler) {
    changes_[control] = std::move(handler);
}

void DialogLogic::OnDoubleClick(ControlName control, Handler handler) {
    doubleClicks_[control] = std::move(handler);
}

void DialogLogic::OnDrop(ControlName control, DropHandler handler) {
    drops_[control] = std::move(handler);
}

void DialogLogic::OnKeyDown(ControlName control, KeyHandler handler) {
    keys_[control] = std::move(handler);
}

void DialogLogic::OnResize(std::function<void(int, int)> handler) {
    resize_ = std::move(handler);
}

void DialogLogic::SetPathOptions(ControlName control, const PathOptions& options) {
    paths_[control] = options;
}

// Preset to the current colour; only another colour is taken.
void DialogLogic::ChooseColor(const std::string& control) {
    const int current = static_cast<int>(view_.Number(control));
    const std::optional<int> chosen = view_.AskColor(current);
    if (chosen && *chosen != current) {
        view_.SetNumber(control, *chosen);
    }
}

// A file chooser opens in the folder of the current path, a folder chooser at the path itself;
// cancelling leaves the field as it was.
void DialogLogic::ChoosePath(const std::string& control) {
    const PathOptions& options = paths_[control];
    const std::string current = view_.Text(control);
    PathQuestion question{options.folders ? PathKind::Folder : PathKind::OpenFile, options.title,
                          options.filter, options.defaultExt, current};
    if (!options.folders) {
        question.start = FolderOf(current);
    }
    if (const std::optional<std::string> chosen = view_.AskPath(question)) {
        view_.SetText(control, *chosen);
    }
}

bool DialogLogic::LoadFormState() {
    try {
        return config::LoadFormState(view_, layout_.StoredControls(), state_.location.IniPath,
                                     layout_.name);
    } catch (const config::IniFileError& error) {
        ReportError(error);
    }
    return false;
}

bool DialogLogic::SaveFormState() {
    try {
        config::SaveFormState(view_, layout_.StoredControls(), state_.location.IniPath,
                              layout_.name);
        return true;
    } catch (const config::IniFileError& error) {
        ReportError(error);
    }
    return false;
}

void DialogLogic::ShowMessage(core::MessageKind kind, const std::string& text, int helpContext) {
    view_.Ask({kind, text, MessageButtons::Ok, helpContext});
}

void DialogLogic::ReportError(const std::exception& error) {
    ShowMessage(core::MessageKind::Error, error.what(), 0);
}

} // namespace dialogs
