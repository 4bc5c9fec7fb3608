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
