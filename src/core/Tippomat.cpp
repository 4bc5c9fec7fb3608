// Program entry.
#include "config/LaunchTable.h"
#include "core/ConfigLocation.h"

int main() {
    const core::ConfigLocation location = core::ResolveConfigLocation();
    config::LaunchTable table;
    config::LoadLaunchTable(table,
                            config::LaunchFileFor(false, location.IniPath, location.ProgramPath));
    return 0;
}
