// Starting programs on Linux: directly with arguments and working directory, folders and
// documents through the desktop's opener, raised rights through pkexec.
#include "core/Launch.h"
#include "platform/DetachedProcess_posix.h"
#include "platform/FileSystem.h"
#include "platform/Shell_posix.h"
#include "support/TestFolder.h"
#include "support/Wait.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using core::LaunchPath;
using core::LaunchSettings;
using testing_support::TestFolder;
using testing_support::WaitForContent;
using testing_support::WriteBytes;

namespace {

// A script that appends what it was given, one item per line, to the mark file. The signal mask
// is read by the shell itself: while it forks a helper, dash blocks every signal for a moment.
void WriteRecorder(const std::string& path, const std::string& mark) {
    WriteBytes(path, "#!/bin/sh\n{\n  echo \"cwd=$PWD\"\n  echo \"pid=$$\"\n"
                     "  while read -r line; do case $line in SigBlk*) echo \"$line\";; esac; done"
                     " < /proc/$$/status\n  echo \"fds=$(ls /proc/$$/fd | tr '\\n' ' ')\"\n"
                     "  echo \"elevated=$PKEXEC_UID display=$DISPLAY\"\n"
                     "  for a in \"$@\"; do echo \"arg=$a\"; done\n} >> '" +
                         mark + "'\n");
    ::chmod(path.c_str(), 0755);
}

class PosixLaunchTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ::mkdir(folder_.Path("bin").c_str(), 0755);
        ::mkdir(folder_.Path("Ordner mit Blanks ü").c_str(), 0755);
        WriteRecorder(folder_.Path("bin/xdg-open"), folder_.Path("opener.mark"));
        WriteRecorder(program_, folder_.Path("program.mark"));
        savedPath_ = std::getenv("PATH");
        testing_support::SetEnvironment("PATH", folder_.Path("bin") + ":" + savedPath_);
    }
    void TearDown() override { testing_support::SetEnvironment("PATH", savedPath_); }

    bool Launch(const std::string& path, const std::string& workDir, const std::string& params) {
        return static_cast<bool>(
            LaunchPath(path, workDir, params, LaunchSettings{}, "/opt/x/Tippomat"));
    }
    // pkexec itself would ask for a password: the stand-in beside the tests runs the command it
    // is given as pkexec does, in a clean environment that names the caller in PKEXEC_UID.
    static bool LaunchRaised(const std::string& path, const std::string& workDir,
                             const std::string& params) {
        std::vector<std::string> command = platform::ElevatedCommand(path, params, workDir);
        if (command.front() != "/usr/bin/pkexec") {
            return false;
        }
        command.front() = TIPPOMAT_PKEXEC_STAND_IN;
        return platform::StartDetached(command, workDir);
    }

    TestFolder folder_;
    std::string program_ = folder_.Path("Ordner mit Blanks ü/programm ä");
    std::string savedPath_;
};

TEST_F(PosixLaunchTest, ProgramGetsItsArgumentsAndWorkingDirectory) {
    ASSERT_TRUE(Launch(program_, folder_.Path("bin"), R"(-a "b c" 'd e' ü)"));
    const std::string mark = WaitForContent(folder_.Path("program.mark"));
    EXPECT_NE(mark.find("cwd=" + folder_.Path("bin") + "\n"), std::string::npos) << mark;
    EXPECT_NE(mark.find("arg=-a\narg=b c\narg=d e\narg=ü\n"), std::string::npos) << mark;
}

TEST_F(PosixLaunchTest, StartedProgramOwesTheLauncherNothing) {
    const int leaked = ::dup2(::open("/dev/null", O_RDONLY), 57);
    sigset_t blocked;
    sigemptyset(&blocked);
    sigaddset(&blocked, SIGUSR1);
    sigset_t previous;
    ::sigprocmask(SIG_BLOCK, &blocked, &previous);
    platform::LeaveEndedChildrenToTheSystem(); // as the program does at start
    const bool started = Launch(program_, "", "");
    ::sigprocmask(SIG_SETMASK, &previous, nullptr);
    ::close(leaked);
    ASSERT_TRUE(started);
    const std::string mark = WaitForContent(folder_.Path("program.mark"));
    char here[4096];
    EXPECT_NE(mark.find(std::string("cwd=") + ::getcwd(here, sizeof here) + "\n"),
              std::string::npos);
    EXPECT_NE(mark.find("SigBlk:\t0000000000000000"), std::string::npos) << mark;
    EXPECT_EQ(mark.find(" 57 "), std::string::npos) << mark;
    // Once it has ended, nothing of it stays behind as the launcher's zombie.
    const size_t pid = mark.find("pid=");
    ASSERT_NE(pid, std::string::npos) << mark;
    const std::string proc = "/proc/" + std::to_string(std::atoi(mark.c_str() + pid + 4));
    EXPECT_TRUE(testing_support::Eventually([&] { return !platform::DirectoryExists(proc); }))
        << mark;
}

TEST_F(PosixLaunchTest, FoldersAndDocumentsGoToTheOpener) {
    const std::string document = folder_.Path("Ordner mit Blanks ü/brief.txt");
    WriteBytes(document, "x");
    ASSERT_TRUE(Launch(folder_.Path("Ordner mit Blanks ü") + "/", folder_.Path(), "ignored"));
    ASSERT_TRUE(Launch(document, "", ""));
    const std::string mark = WaitForContent(folder_.Path("opener.mark"), "brief.txt");
    EXPECT_NE(mark.find("cwd=" + folder_.Path() + "\n"), std::string::npos) << mark;
    EXPECT_NE(mark.find("arg=" + folder_.Path("Ordner mit Blanks ü") + "/\n"), std::string::npos);
}

// Every file on a FAT or NTFS stick carries the executable bit.
TEST_F(PosixLaunchTest, ExecutableDocumentGoesToTheOpener) {
    const std::string document = folder_.Path("bericht.txt");
    WriteBytes(document, "kein Programm\n");
    ::chmod(document.c_str(), 0755);
    ASSERT_TRUE(Launch(document, "", ""));
    EXPECT_NE(WaitForContent(folder_.Path("opener.mark")).find("arg=" + document + "\n"),
              std::string::npos);
}

// The opener runs in the working directory: a relative name reaches it whole, and one that
// begins with "-" cannot pass for an option. A folder named like it on PATH is no program.
TEST_F(PosixLaunchTest, TheOpenerGetsAWholePathFromPathNotAFolder) {
    ::mkdir(folder_.Path("early").c_str(), 0755);
    ::mkdir(folder_.Path("early/xdg-open").c_str(), 0755);
    testing_support::SetEnvironment("PATH", folder_.Path("early") + ":" + folder_.Path("bin") +
                                                ":" + savedPath_);
    WriteBytes(folder_.Path("-brief.txt"), "x");
    char saved[4096];
    ASSERT_NE(::getcwd(saved, sizeof saved), nullptr);
    ASSERT_EQ(::chdir(folder_.Path().c_str()), 0);
    const bool started = Launch("-brief.txt", folder_.Path("bin"), "");
    ASSERT_EQ(::chdir(saved), 0);
    ASSERT_TRUE(started);
    EXPECT_NE(WaitForContent(folder_.Path("opener.mark"), "brief")
                  .find("arg=" + folder_.Path("-brief.txt") + "\n"),
              std::string::npos);
}

TEST_F(PosixLaunchTest, FailedStartIsNoSuccess) {
    const std::string script = folder_.Path("broken");
    WriteBytes(script, "#!/no/such/interpreter\n");
    ::chmod(script.c_str(), 0755);
    EXPECT_FALSE(Launch(script, "", ""));
}

TEST_F(PosixLaunchTest, AdminModeGoesThroughPkexecWithDisplayAndDirectory) {
    testing_support::SetEnvironment("DISPLAY", ":42");
    ASSERT_TRUE(LaunchRaised(program_, folder_.Path("bin"), "-x 'y z'"));
    const std::string mark = WaitForContent(folder_.Path("program.mark"), "arg=y z\n");
    EXPECT_NE(mark.find("cwd=" + folder_.Path("bin") + "\n"), std::string::npos) << mark;
    EXPECT_NE(mark.find("elevated=" + std::to_string(::getuid()) + " display=:42\n"),
              std::string::npos)
        << mark;
    EXPECT_NE(mark.find("arg=-x\narg=y z\n"), std::string::npos) << mark;
}

// A "=" in the program's path makes no variable of it, nor a command of its first word.
TEST_F(PosixLaunchTest, AdminModeStartsAProgramUnderAFolderWithEquals) {
    ::mkdir(folder_.Path("a=b").c_str(), 0755);
    WriteRecorder(folder_.Path("a=b/prog"), folder_.Path("program.mark"));
    WriteRecorder(folder_.Path("word"), folder_.Path("word.mark"));
    ASSERT_TRUE(LaunchRaised(folder_.Path("a=b/prog"), "", "'" + folder_.Path("word") + "' X=1"));
    const std::string mark = WaitForContent(folder_.Path("program.mark"), "arg=X=1\n");
    EXPECT_NE(mark.find("arg=" + folder_.Path("word") + "\narg=X=1\n"), std::string::npos) << mark;
    EXPECT_FALSE(platform::FileExists(folder_.Path("word.mark")));
}

TEST_F(PosixLaunchTest, LongParameterTextIsPassedWhole) {
    const std::string params(32 * 1024, 'p');
    ASSERT_TRUE(Launch(program_, "", params));
    EXPECT_NE(
        WaitForContent(folder_.Path("program.mark"), params + "\n").find("arg=" + params + "\n"),
        std::string::npos);
}

TEST_F(PosixLaunchTest, RelativeProgramIsTheOneInTheCurrentFolderAlsoWithRaisedRights) {
    WriteRecorder(folder_.Path("bin/tool"), folder_.Path("path.mark"));
    WriteRecorder(folder_.Path("tool"), folder_.Path("here.mark"));
    char saved[4096];
    ASSERT_NE(::getcwd(saved, sizeof saved), nullptr);
    ASSERT_EQ(::chdir(folder_.Path().c_str()), 0);
    const bool started = Launch("tool", folder_.Path("bin"), "");
    // Raised rights always go through pkexec, whatever the kernel's version, and leave the
    // launcher's own folder as it is.
    const bool elevated = LaunchRaised("tool", folder_.Path("bin"), "");
    char after[4096];
    const bool stayed = ::getcwd(after, sizeof after) != nullptr && folder_.Path() == after;
    ASSERT_EQ(::chdir(saved), 0);
    ASSERT_TRUE(started && elevated);
    EXPECT_TRUE(stayed);
    EXPECT_NE(WaitForContent(folder_.Path("here.mark")).find("cwd=" + folder_.Path("bin")),
              std::string::npos);
    EXPECT_NE(WaitForContent(folder_.Path("here.mark"), "elevated=" + std::to_string(::getuid()))
                  .find("cwd=" + folder_.Path("bin")),
              std::string::npos);
    EXPECT_FALSE(platform::FileExists(folder_.Path("path.mark"))) << "not the one on PATH";
}

} // namespace
