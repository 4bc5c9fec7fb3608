// What the program holds for its whole run: where its files are, the launch table and the
// switch that says which file the table lives in.
#pragma once

#include "config/LaunchTable.h"
#include "core/ConfigLocation.h"

namespace core {

struct ProgramState {
    ConfigLocation location;
    bool PortableMode = false;
    config::LaunchTable table;

    config::LaunchFile LaunchFile() const {
        return config::LaunchFileFor(PortableMode, location.IniPath, location.ProgramPath);
    }
};

} // namespace core
