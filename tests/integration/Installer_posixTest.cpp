// The autostart entry on Linux: where it goes, what it says, and that the desktop accepts it.
#include "integration/DesktopEntry.h"
#include "integration/Installer.h"
#include "support/TestFolder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <sys/stat.h>

using testing_support::ReadBytes;
using testing_support::TestFolder;

namespace {

class AutostartTest : public ::testing::Test {
  protected:
    AutostartTest() { testing_support::SetEnvironment("XDG_CONFIG_HOME", folder_.Path("config")); }

    std::string EntryPath(const std::string& baseName) const {
        return folder_.Path("config/autostart/" + baseName + ".desktop");
    }

    // What desktop-file-validate finds wrong: its errors, or its exit status. Its hints and
    // warnings (a Comment equal to the Name) leave a file valid.
    static std::string Validate(const std::string& path) {
        const std::string command = "desktop-file-validate '" + path + "' 2>&1";
        std::string output;
        FILE* pipe = ::popen(command.c_str(), "r");
        char buffer[512];
        while (pipe != nullptr && std::fgets(buffer, sizeof buffer, pipe) != nullptr) {
            output += buffer;
        }
        const int status = pipe != nullptr ? ::pclose(pipe) : -1;
        if (status != 0 || output.find("error:") != std::string::npos) {
            return "exit " + std::to_string(status) + ": " + output;
        }
        return "";
    }

    static std::string ExecOf(const std::string& text) {
        const size_t start = text.find("\nExec=") + 6;
        return text.substr(start, text.find('\n', start) - start);
    }

    TestFolder folder_;
};

TEST_F(AutostartTest, WritesAValidEntryForTheProgram) {
    const std::string program = folder_.Path("tools/Tippomat");
    integration::InstallAutostart("Tippomat", program);
    const std::string path = EntryPath("Tippomat");
    EXPECT_EQ(ReadBytes(path), "[Desktop Entry]\nType=Application\nName=Tippomat\n"
                               "Comment=Tippomat\nExec=" +
                                   program + "\nPath=" + folder_.Path("tools/") + "\n");
    struct stat info {};
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0644u);
    EXPECT_EQ(Validate(path), "");

    integration::InstallAutostart("Tippomat", program);
    EXPECT_EQ(Validate(path), "") << "a second install replaces the same file";
}

TEST_F(AutostartTest, AnyProgramPathStartsAsItIs) {
    const std::string program = folder_.Path("My \"Tools\" 100% $HOME 'x'/tippo mat");
    integration::InstallAutostart("Tippomat", program);
    const std::string path = EntryPath("tippo mat");
    EXPECT_EQ(Validate(path), "");
    EXPECT_EQ(integration::ParseExecValue(ExecOf(ReadBytes(path))),
              std::vector<std::string>{program});
}

TEST_F(AutostartTest, FailsWhenTheEntryCannotBeWritten) {
    testing_support::WriteBytes(folder_.Path("config"), "a file, not a folder");
    EXPECT_THROW(integration::InstallAutostart("Tippomat", "/opt/tippomat"),
                 integration::InstallerError);
}

TEST_F(AutostartTest, OtherLocationsCreateNothing) {
    std::string linkPath = "unchanged";
    EXPECT_FALSE(
        integration::CreateShortcut("/opt/t", integration::slDesktop, "", "", "", "", linkPath));
    EXPECT_FALSE(integration::CreateShortcut(
        "/opt/t", static_cast<integration::ShortcutLocation>(6), "", "", "", "", linkPath));
    EXPECT_EQ(linkPath, "unchanged");
}

} // namespace
