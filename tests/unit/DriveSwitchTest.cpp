// Moving every binding from one drive to another, and the prefix rules of each platform behind
// it: drive letters on Windows, mount points on Linux.
#include "config/LaunchTable.h"
#include "platform/Drive.h"
#include "support/PlatformDrives.h"

#include <gtest/gtest.h>

using config::LaunchTable;
using testing_support::On;
using testing_support::OnDriveLetters;

namespace {

TEST(SwitchDrive, MovesPathsAndWorkingDirectoriesAndCountsPaths) {
    LaunchTable table;
    table.SetSlot(0, On('C', "Tools/a.exe"), On('C', "Tools/Data/Input"), "-f " + On('C', "x"));
    table.SetSlot(1, On('D', "b.exe"), "", "");
    table.SetSlot(2, On('C', "a.exe"), On('C', "Programme/Werkzeuge"), "");
    table.SetSlot(3, On('D', "d.exe"), On('C', "Work"), "");
    // Looks like the drive without being on it: lower case on Windows, a longer name on Linux.
    const std::string lookAlike = OnDriveLetters() ? "c:\\x.exe" : "/mnt/cx/x.exe";
    table.SetSlot(4, lookAlike, "", "");
    table.SetSlot(38, On('C'), "", ""); // F3
    EXPECT_EQ(config::SwitchDrive(table, On('C'), On('E')), 3);
    EXPECT_EQ(table.Slot(0).Path, On('E', "Tools/a.exe"));
    EXPECT_EQ(table.Slot(0).WorkDir, On('E', "Tools/Data/Input"));
    EXPECT_EQ(table.Slot(0).Params, "-f " + On('C', "x")) << "parameters are not paths";
    EXPECT_EQ(table.Slot(1).Path, On('D', "b.exe"));
    EXPECT_EQ(table.Slot(2).WorkDir, On('E', "Programme/Werkzeuge")) << "longer than its path";
    EXPECT_EQ(table.Slot(3).Path, On('D', "d.exe"));
    EXPECT_EQ(table.Slot(3).WorkDir, On('E', "Work")) << "moved, but not counted";
    EXPECT_EQ(table.Slot(4).Path, lookAlike);
    EXPECT_EQ(table.Slot(38).Path, On('E'));

    EXPECT_EQ(config::SwitchDrive(table, On('E'), On('E')), 3) << "counted, though nothing moved";
    EXPECT_EQ(table.Slot(0).Path, On('E', "Tools/a.exe"));
}

// No drive listed: both texts are empty, every slot matches and nothing changes.
TEST(SwitchDrive, EmptyDrivesMatchEverySlotAndChangeNothing) {
    LaunchTable table;
    table.SetSlot(0, On('C', "a.exe"), On('C'), "");
    EXPECT_EQ(config::SwitchDrive(table, "", ""), config::kSlotCount);
    EXPECT_EQ(table.Slot(0).Path, On('C', "a.exe"));
    EXPECT_EQ(table.Slot(0).WorkDir, On('C'));
}

TEST(SwitchDriveLetterPrefix, ComparesTheLeadingCharactersExactly) {
    std::string bare = "C:";
    EXPECT_TRUE(platform::SwitchDriveLetterPrefix(bare, "C:", "E:"));
    EXPECT_EQ(bare, "E:");
    for (std::string path : {"c:\\x.exe", "D:\\C:\\x.exe", ""}) {
        EXPECT_FALSE(platform::SwitchDriveLetterPrefix(path, "C:", "E:")) << path;
    }
}

TEST(SwitchMountPointPrefix, MatchesWholePathComponentsOnly) {
    const auto switched = [](std::string path, const char* from, const char* to) {
        return platform::SwitchMountPointPrefix(path, from, to) ? path : "unchanged";
    };
    EXPECT_EQ(switched("/media/ab/x", "/media/a", "/media/b"), "unchanged");
    EXPECT_EQ(switched("/media/a/x", "/media/a", "/media/b"), "/media/b/x");
    EXPECT_EQ(switched("/media/a", "/media/a/", "/media/b"), "/media/b");
    EXPECT_EQ(switched("/usr/bin", "/", "/media/b"), "/media/b/usr/bin");
    EXPECT_EQ(switched("/media/a/x", "/media/a", "/"), "/x");
    EXPECT_EQ(switched("/media/a", "/media/a", "/"), "/");
    EXPECT_EQ(switched("relative/x", "/", "/media/b"), "unchanged");
    EXPECT_EQ(switched("", "/", "/media/b"), "unchanged") << "an unbound slot stays unbound";
}

} // namespace
