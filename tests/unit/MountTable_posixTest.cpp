#include "platform/MountTable_posix.h"

#include <gtest/gtest.h>

namespace {

TEST(SwitchableMountPoints, DisksMediaAndNetworkSharesWithoutPseudoFileSystems) {
    const char* table = "proc /proc proc rw 0 0\n"
                        "sysfs /sys sysfs rw 0 0\n"
                        "tmpfs /run tmpfs rw 0 0\n"
                        "overlay /var/lib/docker/x overlay rw 0 0\n"
                        "/dev/sda2 / ext4 rw 0 0\n"
                        "/dev/sdb1 /media/u/USB\\040Stick vfat rw 0 0\n"
                        "/dev/loop3 /snap/core/1 squashfs ro 0 0\n"
                        "nas:/export /mnt/nas nfs4 rw 0 0\n"
                        "//srv/share /mnt/share cifs rw 0 0\n"
                        "u@host: /mnt/ssh fuse.sshfs rw 0 0\n"
                        "/dev/sda2 / ext4 rw 0 0\n"
                        "truncated\n";
    EXPECT_EQ(platform::SwitchableMountPoints(table),
              (std::vector<std::string>{"/", "/media/u/USB Stick", "/mnt/nas", "/mnt/share",
                                        "/mnt/ssh"}));
}

} // namespace
