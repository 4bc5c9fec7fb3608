// The guard socket under load and against clients that misbehave.
#include "components/GuardSocket_posix.h"
#include "components/OneInstance.h"
#include "support/ChildProcess.h"
#include "support/TestFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

using testing_support::ChildProcess;
using testing_support::SetEnvironment;
using testing_support::TestFolder;
using testing_support::WaitForContent;

namespace {

namespace fs = std::filesystem;

const std::string kHelper = TIPPOMAT_GUARD_HELPER;

size_t Count(const std::string& text, const std::string& needle) {
    size_t count = 0;
    for (size_t pos = text.find(needle); pos != std::string::npos;
         pos = text.find(needle, pos + 1)) {
        ++count;
    }
    return count;
}

// Every copy of the helper keeps its guard in this test's own private runtime folder.
class GuardLoadTest : public ::testing::Test {
  protected:
    void SetUp() override {
        for (const char* name : {"XDG_RUNTIME_DIR", "XDG_CACHE_HOME"}) {
            const char* value = std::getenv(name);
            saved_.emplace_back(name, value != nullptr ? value : "");
        }
        fs::create_directories(fs::u8path(runtime_));
        fs::permissions(fs::u8path(runtime_), fs::perms::owner_all, fs::perm_options::replace);
        SetEnvironment("XDG_RUNTIME_DIR", runtime_);
    }
    void TearDown() override {
        for (const auto& [name, value] : saved_) {
            SetEnvironment(name, value);
        }
    }

    std::unique_ptr<ChildProcess> StartFirst(int seconds = 60) {
        auto first = std::make_unique<ChildProcess>(
            kHelper, std::vector<std::string>{mark_, "0", std::to_string(seconds)});
        EXPECT_NE(WaitForContent(mark_, "ready").find("ready"), std::string::npos);
        return first;
    }

    // The one socket in a folder.
    static std::string SocketIn(const std::string& folder) {
        for (const auto& entry : fs::directory_iterator(fs::u8path(folder))) {
            if (entry.is_socket()) {
                return entry.path().u8string();
            }
        }
        return {};
    }

    int Connect() {
        return components::ConnectBefore(SocketIn(runtime_), std::chrono::steady_clock::now() +
                                                                 std::chrono::seconds(10));
    }

    int SecondStart() {
        ChildProcess second(kHelper, {folder_.Path("second.txt"), "0", "30"});
        return second.Wait();
    }

    TestFolder folder_;
    std::string runtime_ = folder_.Path("run");
    std::string mark_ = folder_.Path("first.txt");
    std::vector<std::pair<std::string, std::string>> saved_;
};

TEST_F(GuardLoadTest, TwoHundredStartsAtOnceAreAllStoppedAndTheFirstRunsOn) {
    const auto first = StartFirst();
    std::vector<std::unique_ptr<ChildProcess>> starts;
    for (int i = 0; i < 200; ++i) {
        starts.push_back(std::make_unique<ChildProcess>(
            kHelper, std::vector<std::string>{folder_.Path("second.txt"), "0", "30"}));
    }
    int stopped = 0;
    for (const auto& start : starts) {
        stopped += start->Wait() == 0;
    }
    EXPECT_EQ(stopped, 200);
    EXPECT_EQ(first->Wait(0), -1) << "the first copy ended";
    EXPECT_EQ(SecondStart(), 0) << "the first copy no longer answers";
    EXPECT_EQ(Count(WaitForContent(mark_, "front"), "pid="), 201u);
}

// Copies started at the same moment with none running: one wins the guard, the others hand over
// to it, however close together they came.
TEST_F(GuardLoadTest, CopiesStartedTogetherLeaveOneRunning) {
    std::vector<std::unique_ptr<ChildProcess>> starts;
    for (int i = 0; i < 20; ++i) {
        starts.push_back(
            std::make_unique<ChildProcess>(kHelper, std::vector<std::string>{mark_, "0", "30"}));
    }
    int stopped = 0;
    for (const auto& start : starts) {
        stopped += start->Wait(15) == 0;
    }
    EXPECT_EQ(stopped, 19);
    EXPECT_EQ(Count(testing_support::ReadBytes(mark_), "ready"), 1u);
}

// Clients that connect and send nothing: the running copy does not wait for any of them.
TEST_F(GuardLoadTest, StalledClientsDoNotHoldUpTheNextStart) {
    const auto first = StartFirst();
    std::vector<int> stalled;
    for (int i = 0; i < 8; ++i) {
        stalled.push_back(Connect());
        ASSERT_GE(stalled.back(), 0);
    }
    EXPECT_EQ(SecondStart(), 0);
    for (int fd : stalled) {
        ::close(fd);
    }
}

TEST_F(GuardLoadTest, HandOverNamesTheProcessThatConnected) {
    const auto first = StartFirst();
    const int fd = Connect();
    ASSERT_GE(fd, 0);
    const std::string line = "program x y";
    const auto length = static_cast<std::uint32_t>(line.size());
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    std::uint32_t answer = 0;
    ASSERT_TRUE(components::SendBefore(fd, &length, sizeof length, deadline));
    ASSERT_TRUE(components::SendBefore(fd, line.data(), line.size(), deadline));
    ASSERT_TRUE(components::ReceiveBefore(fd, &answer, sizeof answer, deadline));
    ::close(fd);
    EXPECT_EQ(answer, components::kReplyStop);
    const std::string seen = WaitForContent(mark_, "word=y");
    EXPECT_NE(seen.find("pid=" + std::to_string(::getpid()) + "\nword=program\nword=x\nword=y\n"),
              std::string::npos)
        << seen;
}

// A socket that took the place of the running copy's own is left alone when that copy ends.
TEST_F(GuardLoadTest, EndingCopyRemovesOnlyItsOwnSocket) {
    const auto first = StartFirst(3);
    const std::string path = SocketIn(runtime_);
    ASSERT_FALSE(path.empty());
    fs::rename(fs::u8path(path), fs::u8path(folder_.Path("moved")));
    const int replacement = components::ListenAt(path);
    ASSERT_GE(replacement, 0);
    EXPECT_EQ(first->Wait(), 3);
    EXPECT_TRUE(fs::exists(fs::symlink_status(fs::u8path(path))));
    ::close(replacement);
}

// Without a runtime folder the guard lives in a private folder of the user's cache folder, which
// no other user can have made first.
TEST_F(GuardLoadTest, WithoutRuntimeFolderTheGuardLivesInTheCacheFolder) {
    SetEnvironment("XDG_RUNTIME_DIR", "");
    SetEnvironment("XDG_CACHE_HOME", folder_.Path("cache"));
    const auto first = StartFirst();
    const std::string folder = folder_.Path("cache/tippomat");
    EXPECT_FALSE(SocketIn(folder).empty());
    EXPECT_EQ(fs::status(fs::u8path(folder)).permissions() & fs::perms::all, fs::perms::owner_all);
    EXPECT_EQ(SecondStart(), 0);
}

} // namespace
