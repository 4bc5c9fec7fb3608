// A save through a link, cut off by a kill, or into a full disk.
#include "config/IniFile.h"
#include "config/LaunchTable.h"
#include "support/TestFolder.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <random>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using config::LaunchTable;
using testing_support::ReadBytes;
using testing_support::TestFolder;
using testing_support::WriteBytes;

LaunchTable TableBinding(const std::string& path) {
    LaunchTable table;
    for (int index = 0; index < config::kSlotCount; ++index) {
        table.SetSlot(index, path + std::to_string(index), "/tmp", "--flag " + path);
    }
    return table;
}

// The bytes a save of the table writes into a new file.
std::string SavedBytes(const LaunchTable& table, const std::string& path) {
    EXPECT_TRUE(config::SaveLaunchTable(table, config::LaunchFile{path, ""}));
    return ReadBytes(path);
}

// Runs body in a child process and returns its exit code.
template <typename Body> int InChild(Body body) {
    const pid_t child = ::fork();
    if (child == 0) {
        ::_exit(body());
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::vector<std::string> FolderEntries(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(fs::u8path(folder))) {
        names.push_back(entry.path().filename().u8string());
    }
    return names;
}

// Configuration kept in a dotfiles folder and linked into place: the link stays a link.
TEST(SaveSafetyPosix, SaveWritesThroughASymbolicLink) {
    TestFolder folder;
    fs::create_directories(fs::u8path(folder.Path("dotfiles")));
    fs::create_directories(fs::u8path(folder.Path("config")));
    const std::string target = folder.Path("dotfiles/tippomat.ini");
    const std::string link = folder.Path("config/Runner.ini");
    WriteBytes(target, "[Farben]\r\nFarbe1=5\r\n");
    fs::create_symlink("../dotfiles/tippomat.ini", fs::u8path(link));

    ASSERT_TRUE(config::SaveLaunchTable(TableBinding("/bin/x"), config::LaunchFile{link, ""}));
    EXPECT_TRUE(fs::is_symlink(fs::u8path(link)));
    const config::IniFile saved(target);
    EXPECT_EQ(saved.ReadString("Buchstaben", "A", ""), "/bin/x0");
    EXPECT_EQ(saved.ReadInteger("Farben", "Farbe1", 0), 5);
    EXPECT_EQ(FolderEntries(folder.Path("config")), std::vector<std::string>{"Runner.ini"});
}

// A process saving one table after another is killed at random moments: the file is always one
// whole save, never a mixture or a cut-off one.
TEST(SaveSafetyPosix, KillDuringSaveLeavesOldOrNewContent) {
    TestFolder folder;
    const LaunchTable first = TableBinding("/opt/first/program");
    const LaunchTable second = TableBinding("/opt/second/other-program");
    const std::string firstBytes = SavedBytes(first, folder.Path("first.ini"));
    const std::string secondBytes = SavedBytes(second, folder.Path("second.ini"));
    ASSERT_NE(firstBytes, secondBytes);

    const std::string path = folder.Path("Runner.ini");
    WriteBytes(path, firstBytes);
    std::mt19937 random(20240601);
    std::uniform_int_distribution<int> moment(0, 20000);
    int mixed = 0;
    for (int kill = 0; kill < 200; ++kill) {
        const pid_t saver = ::fork();
        if (saver == 0) {
            for (int round = 0;; ++round) {
                config::SaveLaunchTable(round % 2 == 0 ? second : first,
                                        config::LaunchFile{path, ""});
            }
        }
        std::this_thread::sleep_for(std::chrono::microseconds(moment(random)));
        ::kill(saver, SIGKILL);
        ::waitpid(saver, nullptr, 0);
        const std::string now = ReadBytes(path);
        mixed += now != firstBytes && now != secondBytes;
    }
    EXPECT_EQ(mixed, 0) << "kills that left neither the old nor the new content";
}

// A full disk, made by a file-size limit: the save fails and the old file stays whole.
TEST(SaveSafetyPosix, FullDiskFailsAndKeepsTheOldFile) {
    TestFolder folder;
    const std::string path = folder.Path("Runner.ini");
    const std::string original = "[Buchstaben]\r\nA=/bin/old\r\n\r\n";
    WriteBytes(path, original);
    const int result = InChild([&] {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{64, 64};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        return config::SaveLaunchTable(TableBinding("/bin/new"), config::LaunchFile{path, ""}) ? 1
                                                                                               : 0;
    });
    EXPECT_EQ(result, 0) << "the save must report the failure";
    EXPECT_EQ(ReadBytes(path), original);
    EXPECT_EQ(FolderEntries(folder.Path()), std::vector<std::string>{"Runner.ini"});
}

} // namespace
