// The drive dialog: moves every binding from one drive to another and sets how drive letters are
// treated at launch.
#pragma once

#include <string>

namespace dialogs {

// The launch-drive mode the dialog stored last, taken at start-up so that a chosen mode holds
// after a restart; 0 ("Nur vom Anwendungslaufwerk aus") when none was stored.
int StoredDriveMode(const std::string& iniPath);

} // namespace dialogs
