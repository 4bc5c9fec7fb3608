// The binding editor: the key, the program or folder, the parameters and the working directory
// of one binding. Made by the list editor for one edit, shown modal over it, gone when closed;
// its OK writes the binding into the launch table in memory.
#pragma once

#include "dialogs/DialogLogic.h"

#include <string>
#include <vector>

namespace dialogs {

class Tparameterform : public DialogLogic {
  public:
    // Its control names, also its INI keys.
    static constexpr ControlName kLabel4{"Label4"};
    static constexpr ControlName kTaste{"taste"};
    static constexpr ControlName kMode{"mode"};
    static constexpr ControlName kLabel3{"Label3"};
    static constexpr ControlName kProgrammorDir{"programmorDir"};
    static constexpr ControlName kLabel1{"Label1"};
    static constexpr ControlName kParameter{"parameter"};
    static constexpr ControlName kLabel2{"Label2"};
    static constexpr ControlName kVerzeichnis{"verzeichnis"};
    static constexpr ControlName kOkbut{"okbut"};
    static constexpr ControlName kClosebut{"closebut"};
    static constexpr ControlName kHelpbut{"helpbut"};

    // Runs FormCreate.
    Tparameterform(core::ProgramState& state, ViewFactory& views);

    static const DialogLayout& Form();

    // What the opener prepares: the keys offered, the tick of "Verzeichnis" (ModeClick follows),
    // the chosen key and the three texts.
    void SetKeys(const std::vector<std::string>& labels);
    void SetFolderMode(bool folders);
    void ChooseKey(const std::string& label);
    void ChooseFirstKey(); // none when no key is offered
    void SetBinding(const std::string& path, const std::string& workDir, const std::string& params);
    // The slot the last OK wrote, -1 when no key was chosen.
    int ChosenSlot() const { return chosenSlot_; }

    void ModeClick();
    void ParameterRightButtonClick();
    // A file or folder dropped on the program field; a shortcut file brings its arguments and
    // working folder along.
    void ProgrammorDirDrop(const std::string& path);
    void OkbutClick();
    void ClosebutClick();
    void Helpbutclick();

  private:
    void FormCreate();

    int chosenSlot_ = -1;
};

} // namespace dialogs
