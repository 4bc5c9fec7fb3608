// The list editor: the bindings as a grid, one row per bound key in slot order, and the buttons
// that add, change and delete them. Made anew at each opening, modeless and sizable; every change
// acts on the launch table in memory at once, and its OK writes the table to the file.
#pragma once

#include "dialogs/DialogLogic.h"
#include "dialogs/Parameterform.h"

#include <memory>

namespace dialogs {

class Tprogrammliste : public DialogLogic {
  public:
    // Its control names.
    static constexpr ControlName kProgramme{"programme"};
    static constexpr ControlName kOkbut{"okbut"};
    static constexpr ControlName kDelbut{"delbut"};
    static constexpr ControlName kAendernBut{"AendernBut"};
    static constexpr ControlName kAnfuegenbut{"Anfuegenbut"};
    static constexpr ControlName kHelpbutton{"helpbutton"};
    static constexpr ControlName kGroupBox1{"GroupBox1"}; // the buttons' frame

    // Runs FormCreate.
    Tprogrammliste(core::ProgramState& state, ViewFactory& views);

    static const DialogLayout& Form();

    void Neuaufbau();
    // The column widths for a window of that outer width.
    void FormCanResize(int newWidth);
    void AendernButClick();
    void AnfuegenbutClick();
    void Delbutclick();
    void OkbutClick();
    void HelpbuttonClick();
    // A file or folder dropped on the grid: the binding editor for that row's key, or on no
    // bound row for the first free key, with the dropped binding filled in.
    void ProgrammeDrop(int row, const std::string& path);

  private:
    void FormCreate();
    // A binding editor over this dialog, prepared for the selected row or for a new binding.
    std::unique_ptr<Tparameterform> InitEingabeFenster(bool isSelected);
    // Shows the editor prepared for the selected row; a binding moved to another key leaves
    // that row.
    void EditSelectedRow(std::unique_ptr<Tparameterform> editor);
    // The rows, and beside each binding its program's or folder's icon.
    void ShowRows(const Rows& rows);
    // The row's cells move up one row, and its key is unbound.
    void DeleteRow(int row);
    int SelectedRow() const { return static_cast<int>(view_.Number(kProgramme)); }

    int Nummer = -1; // the slot of the row prepared for editing
};

} // namespace dialogs
