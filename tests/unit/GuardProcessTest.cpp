// The single-instance guard with real processes of a helper program.
#include "platform/Paths.h"
#include "support/ChildProcess.h"
#include "support/TestFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

using testing_support::ChildProcess;
using testing_support::TestFolder;
using testing_support::WaitForContent;

namespace {

const std::string kHelper = TIPPOMAT_GUARD_HELPER;

class GuardProcessTest : public ::testing::Test {
  protected:
    // A first copy that is ready for hand-overs.
    std::unique_ptr<ChildProcess> StartFirst(const std::string& allow,
                                             const std::string& program = kHelper) {
        auto first =
            std::make_unique<ChildProcess>(program, std::vector<std::string>{mark_, allow, "30"});
        EXPECT_NE(WaitForContent(mark_, "ready").find("ready"), std::string::npos);
        return first;
    }
    TestFolder folder_;
    std::string mark_ = folder_.Path("first.txt");
};

TEST_F(GuardProcessTest, SecondCopyHandsOverItsCommandLineAndEnds) {
    const auto first = StartFirst("0");
    std::vector<std::string> words{folder_.Path("second.txt"), "0", "30", "quoted word", "x", "y"};
#ifdef _WIN32
    words.push_back("\"unclosed  end");
#endif
    ChildProcess second(kHelper, words);
    EXPECT_EQ(second.Wait(), 0);
    const std::string seen = WaitForContent(mark_, "front");
    EXPECT_NE(seen.find("pid=" + std::to_string(second.Id()) + "\n"), std::string::npos) << seen;
    EXPECT_NE(seen.find("word=0\nword=30\nword=\"quoted word\"\nword=x\nword=y\n"),
              std::string::npos)
        << seen;
#ifdef _WIN32
    EXPECT_NE(seen.find("word=\"unclosed  end\n"), std::string::npos) << seen;
#endif
    EXPECT_NE(seen.find("front\n"), std::string::npos);
}

TEST_F(GuardProcessTest, AllowedCopyRunsAndNothingComesToFront) {
    const auto first = StartFirst("1");
    ChildProcess second(kHelper, {folder_.Path("second.txt"), "0", "1"});
    EXPECT_EQ(second.Wait(), 3) << "it ran its full time";
    const std::string seen = WaitForContent(mark_, "pid=");
    EXPECT_NE(seen.find("pid=" + std::to_string(second.Id())), std::string::npos);
    EXPECT_EQ(seen.find("front"), std::string::npos);
}

TEST_F(GuardProcessTest, AllowedCopyGuardsOnceTheFirstHasGone) {
    auto first = StartFirst("1");
    const std::string beside = folder_.Path("beside.txt");
    ChildProcess second(kHelper, {beside, "0", "30"});
    ASSERT_NE(WaitForContent(beside, "ready").find("ready"), std::string::npos);
    first.reset();
    ChildProcess third(kHelper, {folder_.Path("third.txt"), "0", "30"});
    EXPECT_EQ(third.Wait(), 0) << "the copy that ran beside refused it";
    EXPECT_NE(WaitForContent(beside, "pid=").find("pid=" + std::to_string(third.Id())),
              std::string::npos);
}

TEST_F(GuardProcessTest, CrashedCopyDoesNotBlockTheNext) {
    ChildProcess crashed(kHelper, {folder_.Path("crashed.txt"), "crash", "0"});
    EXPECT_EQ(crashed.Wait(), 5);
    const auto first = StartFirst("0");
    ChildProcess second(kHelper, {folder_.Path("second.txt"), "0", "30"});
    EXPECT_EQ(second.Wait(), 0);
}

TEST_F(GuardProcessTest, CopyInAnotherFolderRunsBeside) {
    namespace fs = std::filesystem;
    const std::string copy = folder_.Path(platform::FileNameOf(kHelper));
    fs::copy_file(fs::u8path(kHelper), fs::u8path(copy));
    const auto first = StartFirst("0");
    ChildProcess other(copy, {folder_.Path("other.txt"), "0", "1"});
    EXPECT_EQ(other.Wait(), 3);
    EXPECT_EQ(testing_support::ReadBytes(mark_).find("pid="), std::string::npos);
}

// Deep in folders, the guard's name is longer than the names the system keeps.
TEST_F(GuardProcessTest, CopyDeepInFoldersIsGuarded) {
    namespace fs = std::filesystem;
    const std::string name = platform::FileNameOf(kHelper);
    const size_t length = 250; // beyond a window class name, within the shortest path limit
    const fs::path folder = fs::u8path(
        folder_.Path(std::string(length - folder_.Path().size() - name.size() - 2, 'o')));
    fs::create_directories(folder);
    const std::string deep = (folder / fs::u8path(name)).u8string();
    fs::copy_file(fs::u8path(kHelper), fs::u8path(deep));
    const auto first = StartFirst("0", deep);
    ChildProcess second(deep, {folder_.Path("second.txt"), "0", "30"});
    EXPECT_EQ(second.Wait(), 0);
}

} // namespace
