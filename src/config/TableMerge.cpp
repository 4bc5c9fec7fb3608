#include "config/TableMerge.h"

namespace config {

TableMerge MergeLaunchTables(const LaunchTable& base, const LaunchTable& ours,
                             const LaunchTable& theirs) {
    TableMerge result{ours, {}};
    for (int index = 0; index < kSlotCount; ++index) {
        const LaunchSlot& their = theirs.Slot(index);
        if (their.SameBinding(base.Slot(index)) || their.SameBinding(ours.Slot(index))) {
            continue;
        }
        if (ours.Slot(index).SameBinding(base.Slot(index))) {
            result.merged.Slot(index) = their;
        } else {
            result.clash.push_back(index);
        }
    }
    return result;
}

} // namespace config
