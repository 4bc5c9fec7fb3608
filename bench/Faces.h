// The two faces' benchmarks: each runs its program beside its face's minimal tray program, turn
// by turn on one X server, and gives the rows of the table.
#pragma once

#include "Measure.h"
#include "XWatch.h"

#include <string>
#include <vector>

namespace bench {

// The Qt program beside the minimal Qt tray program; home is a fresh temporary folder. The
// list editor's opening has no yardstick there: it is compared with the earlier build of the
// program, when its file is given.
std::vector<Row> RunLinuxFace(XWatch& x, const std::string& home, const std::string& earlier);

// Tippomat.exe beside the minimal Win32 tray program in one Wine session (the WINEPREFIX of the
// environment). programs is the folder holding Tippomat.exe, wine the Wine loader.
std::vector<Row> RunWindowsFace(XWatch& x, const std::string& home, const std::string& programs,
                                const std::string& wine);

} // namespace bench
