#include "dialogs/Programmliste.h"

#include "config/IniFile.h"
#include "dialogs/DroppedFile.h"
#include "dialogs/FollowedLaunchTable.h"
#include "platform/FileSystem.h"

#include <algorithm>

namespace dialogs {

namespace {

constexpr int kHelpContext = 200;
constexpr int kColumns = 4;
constexpr int kKeyColumnWidth = 56;
constexpr int kFloors[] = {68, 60, 94}; // path, parameters, working directory
constexpr int kResizeMargin = 100;
// A heading's margins on both sides, on either face.
constexpr int kHeadingPadding = 16;

using T = Tprogrammliste;

// No cancel button: Escape closes as the close box does and never deletes or changes.
DialogLayout MakeLayout() {
    return {"Programmliste",
            "Einstellungen",
            FrameKind::Sizable,
            623,
            284,
            kHelpContext,
            {
                GroupBox(T::kGroupBox1).At(0, 227, 623, 57).Help(500).Docked(Dock::Bottom),
                Button(T::kOkbut)
                    .At(16, 12, 100, 35)
                    .In(T::kGroupBox1)
                    .Caption("OK")
                    .Image(Picture::Ok)
                    .Help(kHelpContext)
                    .Tab(0)
                    .Hint("Ok|Dialog schließen")
                    .Default(),
                Button(T::kDelbut)
                    .At(132, 12, 100, 35)
                    .In(T::kGroupBox1)
                    .Caption("&Löschen")
                    .Image(Picture::Delete)
                    .Help(kHelpContext)
                    .Tab(1)
                    .Hint("Löschen|markierten Eintrag löschen"),
                Button(T::kAendernBut)
                    .At(249, 12, 100, 35)
                    .In(T::kGroupBox1)
                    .Caption("Ä&ndern")
                    .Image(Picture::Change)
                    .Help(kHelpContext)
                    .Tab(2)
                    .Hint("Ändern|In der Tabelle markierten Eintrag editieren"),
                Button(T::kAnfuegenbut)
                    .At(367, 12, 100, 35)
                    .In(T::kGroupBox1)
                    .Caption("&Anfügen")
                    .Image(Picture::Add)
                    .Help(kHelpContext)
                    .Tab(3)
                    .Hint("Anfügen|Eintrag zur Liste hinzufügen"),
                Button(T::kHelpbutton)
                    .At(484, 12, 100, 36)
                    .In(T::kGroupBox1)
                    .Caption("&Hilfe")
                    .Image(Picture::Help)
                    .Help(kHelpContext)
                    .Tab(4)
                    .Hint("Hilfe|Hilfe zu diesem Dialog aufrufen"),
                Grid(T::kProgramme)
                    .At(0, 0, 623, 227)
                    .Docked(Dock::Fill)
                    .Columns(kColumns)
                    .Help(kHelpContext)
                    .Tab(1)
                    .Hint("Ändern|Doppelklicken um Eintrag zu ändern")
                    .AcceptsFiles(),
            },
            ScreenPoint{271, 120}};
}

std::string Cell(const Rows& rows, int row, int column) {
    if (row < 0 || row >= static_cast<int>(rows.size()) ||
        column >= static_cast<int>(rows[static_cast<size_t>(row)].size())) {
        return {};
    }
    return rows[static_cast<size_t>(row)][static_cast<size_t>(column)];
}

} // namespace

const DialogLayout& Tprogrammliste::Form() {
    static const DialogLayout layout = MakeLayout();
    return layout;
}

Tprogrammliste::Tprogrammliste(core::ProgramState& state, ViewFactory& views)
    : DialogLogic(state, views, Form()) {
    OnClick(kOkbut, [this] { OkbutClick(); });
    OnClick(kDelbut, [this] { Delbutclick(); });
    OnClick(kAendernBut, [this] { AendernButClick(); });
    OnClick(kAnfuegenbut, [this] { AnfuegenbutClick(); });
    OnClick(kHelpbutton, [this] { HelpbuttonClick(); });
    OnDoubleClick(kProgramme, [this] { AendernButClick(); });
    OnDrop(kProgramme, [this](int row, const std::string& path) { ProgrammeDrop(row, path); });
    OnResize([this](int width, int) { FormCanResize(width); });
    FormCreate();
}

// The widths before the window's size first changes are those of a resize to its width.
void Tprogrammliste::FormCreate() {
    Neuaufbau();
    FormCanResize(Form().clientWidth);
}

// The header, the bound slots in slot order and one empty row; the selection stays on its row
// while there is one.
void Tprogrammliste::Neuaufbau() {
    const int selected = SelectedRow();
    Rows rows{{"Shortcut", "Öffnen/Starten", "Parameter", "Arbeitsverzeichnis"}};
    for (int index = 0; index < config::kSlotCount; ++index) {
        std::string path, workDir, params;
        state_.table.GetSlot(index, path, workDir, params);
        if (!path.empty()) {
            rows.push_back({state_.table.Slot(index).Label, path, params, workDir});
        }
    }
    rows.emplace_back(kColumns);
    ShowRows(rows);
    view_.SetNumber(kProgramme, selected);
}

void Tprogrammliste::ShowRows(const Rows& rows) {
    view_.SetRows(kProgramme, rows);
    std::vector<std::string> paths;
    for (int row = 1; row < static_cast<int>(rows.size()); ++row) {
        paths.push_back(Cell(rows, row, 1));
    }
    view_.SetRowIcons(kProgramme, paths);
}

// Each column as wide as its widest text (at least its floor) while the window is wide enough;
// narrower, all three shrink in proportion down to their floors, which they keep at 100 pixels
// or less. A floor is never narrower than the column's heading, whose font may be wider than
// designed: no heading is cut.
void Tprogrammliste::FormCanResize(int newWidth) {
    const Rows rows = view_.RowsOf(kProgramme);
    const auto heading = [&](int column) {
        return view_.TextWidth(kProgramme, Cell(rows, 0, column)) + kHeadingPadding;
    };
    int floors[] = {std::max(kFloors[0], heading(1)), std::max(kFloors[1], heading(2)),
                    std::max(kFloors[2], heading(3))};
    int widths[] = {floors[0], floors[1], floors[2]};
    for (int row = 1; row < static_cast<int>(rows.size()); ++row) {
        for (int column = 0; column < 3; ++column) {
            widths[column] =
                std::max(widths[column], view_.TextWidth(kProgramme, Cell(rows, row, column + 1)));
        }
    }
    const double factor =
        static_cast<double>(newWidth - kResizeMargin) / (widths[0] + widths[1] + widths[2]);
    std::vector<int> columns{std::max(kKeyColumnWidth, heading(0))};
    for (int column = 0; column < 3; ++column) {
        columns.push_back(std::max(
            floors[column], std::min(widths[column], static_cast<int>(widths[column] * factor))));
    }
    view_.SetColumnWidths(kProgramme, columns);
}

std::unique_ptr<Tparameterform> Tprogrammliste::InitEingabeFenster(bool isSelected) {
    auto editor = std::make_unique<Tparameterform>(state_, views_);
    editor->SetOwner(*this);
    std::vector<std::string> labels;
    for (int index = 0; index < config::kSlotCount; ++index) {
        std::string path, workDir, params;
        state_.table.GetSlot(index, path, workDir, params);
        if (isSelected || path.empty()) {
            labels.push_back(state_.table.Slot(index).Label);
        }
    }
    editor->SetKeys(labels);
    Nummer = -1;
    editor->SetFolderMode(false);
    if (!isSelected) {
        return editor;
    }
    Nummer = SelectedRow();
    if (Nummer < 1) {
        return editor;
    }
    const std::string label = Cell(view_.RowsOf(kProgramme), Nummer, 0);
    editor->ChooseKey(label);
    Nummer = state_.table.SlotIndexOfLabel(label);
    if (Nummer < 0) {
        return editor; // the empty last row: like adding, with every key offered
    }
    std::string path, workDir, params;
    state_.table.GetSlot(Nummer, path, workDir, params);
    editor->SetBinding(path, workDir, params);
    editor->SetFolderMode(platform::DirectoryExists(path));
    editor->ChooseKey(state_.table.Slot(Nummer).Label);
    return editor;
}

void Tprogrammliste::AendernButClick() {
    EditSelectedRow(InitEingabeFenster(true));
}

// A binding moved to another key leaves its row and its old key. Without a selected row there
// is nothing to move from.
void Tprogrammliste::EditSelectedRow(std::unique_ptr<Tparameterform> editor) {
    if (editor->ShowModal() == Closed::Ok) {
        const int slot = editor->ChosenSlot();
        const int row = SelectedRow();
        if (slot >= 0 && slot < config::kSlotCount && row >= 1 &&
            state_.table.Slot(slot).Label != Cell(view_.RowsOf(kProgramme), row, 0)) {
            DeleteRow(row);
        }
    }
    editor.reset();
    Neuaufbau();
}

void Tprogrammliste::AnfuegenbutClick() {
    InitEingabeFenster(false)->ShowModal();
    Neuaufbau();
}

// On a bound row the drop changes that binding as "Ändern" does; elsewhere it adds one as
// "Anfügen" does, with the first free key chosen.
void Tprogrammliste::ProgrammeDrop(int row, const std::string& path) {
    const DroppedBinding binding = BindingOfDroppedFile(path);
    const bool onBinding =
        state_.table.SlotIndexOfLabel(Cell(view_.RowsOf(kProgramme), row, 0)) >= 0;
    if (onBinding) {
        view_.SetNumber(kProgramme, row);
    }
    auto editor = InitEingabeFenster(onBinding);
    if (!onBinding) {
        editor->ChooseFirstKey();
    }
    editor->SetBinding(binding.path, binding.workDir, binding.params);
    editor->SetFolderMode(platform::DirectoryExists(binding.path));
    if (onBinding) {
        EditSelectedRow(std::move(editor));
        return;
    }
    editor->ShowModal();
    editor.reset();
    Neuaufbau();
}

void Tprogrammliste::Delbutclick() {
    const int row = SelectedRow();
    if (row <= 0) {
        // Near the button bar, where the user just clicked.
        view_.Ask({core::MessageKind::Error, "Kein Eintrag markiert!", MessageButtons::Ok, 0,
                   Form().Find(kGroupBox1)->top});
        return;
    }
    DeleteRow(row);
}

// The row count stays: each deletion leaves one more empty row at the end until the next
// rebuild.
void Tprogrammliste::DeleteRow(int row) {
    Rows rows = view_.RowsOf(kProgramme);
    const std::string label = Cell(rows, row, 0);
    for (size_t r = static_cast<size_t>(row); r + 1 < rows.size(); ++r) {
        rows[r] = rows[r + 1];
    }
    rows.back().assign(kColumns, std::string());
    ShowRows(rows);
    view_.SetNumber(kProgramme, row);
    const int index = state_.table.SlotIndexOfLabel(label);
    if (index >= 0) {
        state_.table.SetSlot(index, "", "", "");
    }
}

// A file that cannot be written is told by the hub when it closes; one that cannot be read is
// told and ends the handler, so the list stays open with its changes.
void Tprogrammliste::OkbutClick() {
    try {
        SaveFollowedLaunchTable(state_, view_);
    } catch (const config::IniFileError& error) {
        ReportError(error);
        return;
    }
    Close(Closed::Ok);
}

void Tprogrammliste::HelpbuttonClick() {
    view_.ShowHelp(kHelpContext);
}

} // namespace dialogs
