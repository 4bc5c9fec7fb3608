// The drive dialog: moves every binding from one drive to another and sets how drive letters are
// treated at launch. Made anew at each opening, modeless.
#pragma once

#include "dialogs/DialogLogic.h"

#include <functional>
#include <string>
#include <vector>

namespace dialogs {

// The launch-drive mode the dialog stored last, taken at start-up so that a chosen mode holds
// after a restart; 0 ("Nur vom Anwendungslaufwerk aus") when none was stored.
int StoredDriveMode(const std::string& iniPath);

class Tlaufwerksform : public DialogLogic {
  public:
    // Its control names, also its INI keys.
    static constexpr ControlName kLabel1{"Label1"};
    static constexpr ControlName kSourcedrive{"sourcedrive"};
    static constexpr ControlName kLabel2{"Label2"};
    static constexpr ControlName kTargetdrive{"targetdrive"};
    static constexpr ControlName kLaufwerkmode{"laufwerkmode"};
    static constexpr ControlName kGroupBox1{"GroupBox1"}; // the buttons' frame
    static constexpr ControlName kOkbut{"okbut"};
    static constexpr ControlName kHelpbut{"helpbut"};
    static constexpr ControlName kChangedrivebut{"changedrivebut"};

    using DriveList = std::function<std::vector<std::string>()>;

    // Runs FormCreate; the lists offer what listDrives gives (the platform's switchable drives
    // unless a test says otherwise).
    Tlaufwerksform(core::ProgramState& state, ViewFactory& views, DriveList listDrives = {});

    static const DialogLayout& Form();

    void ChangedrivebutClick();
    void OkbutClick();
    void HelpbutClick();

  protected:
    void FormClose() override;

  private:
    void FormCreate(const DriveList& listDrives);
};

} // namespace dialogs
