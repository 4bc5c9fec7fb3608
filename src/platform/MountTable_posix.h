// Reading the kernel's mount table (/proc/self/mounts) for the drive dialog.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace platform {

// The mount points of local disks and removable media (a block device under /dev, disk images
// of packaged programs excepted) and of network file systems, each once, in the table's order;
// pseudo file systems (proc, sysfs, tmpfs, cgroup, overlay, ...) are left out.
std::vector<std::string> SwitchableMountPoints(std::string_view mountTable);

} // namespace platform
