// Two changes of the same launch table, one made in this program and one that another program
// wrote into the file meanwhile, brought together binding by binding.
#pragma once

#include "config/LaunchTable.h"

#include <vector>

namespace config {

struct TableMerge {
    LaunchTable merged;     // a binding changed on one side only holds that side's change
    std::vector<int> clash; // slots changed differently on both sides; merged holds ours there
};

// base: the table as the file held it when ours was loaded; theirs: the file now.
TableMerge MergeLaunchTables(const LaunchTable& base, const LaunchTable& ours,
                             const LaunchTable& theirs);

} // namespace config
