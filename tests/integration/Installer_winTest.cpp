// Shell links under Wine: every location from the registry values the test sets, the link read
// back through IShellLinkW, and the autostart install's outcome.
#include "integration/Installer.h"
#include "platform/FileSystem.h"
#include "platform/WinText.h"
#include "support/ShellFolders_win.h"
#include "support/TestFolder.h"

#include <gtest/gtest.h>

#include <windows.h>

using integration::CreateShortcut;
using platform::Narrow;
using platform::Wide;
using testing_support::kMapGroups;
using testing_support::kShellFolders;
using testing_support::kUserShellFolders;
using testing_support::LinkFields;
using testing_support::ReadShellLink;
using testing_support::RegistryValue;
using testing_support::ShellFolder;
using testing_support::TestFolder;

namespace {

class ShellLinkTest : public ::testing::Test {
  protected:
    std::string Folder(const std::string& name) const {
        const std::string path = folder_.Path(name);
        platform::CreateDirectories(path);
        return path;
    }
    TestFolder folder_;
    const std::string target_ = folder_.Path("Tools\\Tippomat.exe");
};

TEST_F(ShellLinkTest, EveryLocationTakesItsFolderFromTheRegistry) {
    const struct {
        integration::ShortcutLocation location;
        const wchar_t* key;
        const wchar_t* value;
    } locations[] = {
        {integration::slDesktop, kShellFolders, L"Desktop"},
        {integration::slQuickLaunch, kMapGroups, L"Quick Launch"},
        {integration::slSendTo, kShellFolders, L"SendTo"},
        {integration::slStartMenu, kShellFolders, L"Start Menu"},
        {integration::slStartup, kShellFolders, L"Startup"},
    };
    for (const auto& where : locations) {
        const std::string folder = Folder(Narrow(where.value));
        RegistryValue setting(where.key, where.value, folder);
        RegistryValue user(kUserShellFolders, where.value, folder);
        std::string linkPath;
        EXPECT_TRUE(
            CreateShortcut(target_, where.location, "", "", "-x \"y\"", "Tippomat", linkPath));
        EXPECT_EQ(linkPath, folder + "\\Tippomat.lnk");
        const LinkFields link = ReadShellLink(linkPath);
        EXPECT_TRUE(platform::SameText(link.target, target_)) << link.target;
        EXPECT_EQ(link.arguments, "-x \"y\"");
        EXPECT_EQ(link.description, "Tippomat");
        EXPECT_EQ(link.workingDirectory, folder_.Path("Tools\\"));
    }
}

TEST_F(ShellLinkTest, ASubFolderGoesBelowTheLocationsFolder) {
    const std::string desktop = Folder("Desktop");
    Folder("Desktop\\Tools");
    ShellFolder setting(L"Desktop", desktop);
    std::string linkPath;
    EXPECT_TRUE(
        CreateShortcut(target_, integration::slDesktop, "Tools", "C:\\Work", "", "T", linkPath));
    EXPECT_EQ(linkPath, desktop + "\\Tools\\Tippomat.lnk");
    EXPECT_EQ(ReadShellLink(linkPath).workingDirectory, "C:\\Work");
}

// D: is mapped by tests/wine/map-drives.sh.
TEST_F(ShellLinkTest, TheFolderLocationIsTheSubFolderItself) {
    platform::CreateDirectories("D:\\Links");
    std::string linkPath;
    EXPECT_TRUE(CreateShortcut("C:\\Tools\\Tippomat.exe", integration::slFolder, "D:\\Links", "",
                               "", "Tippomat", linkPath));
    EXPECT_EQ(linkPath, "D:\\Links\\Tippomat.lnk");
    EXPECT_EQ(ReadShellLink(linkPath).workingDirectory, "C:\\Tools\\");
}

TEST_F(ShellLinkTest, ALocationAboveFiveOrAMissingValueCreatesNothing) {
    ShellFolder setting(L"Startup", "");
    std::string linkPath = "unchanged";
    EXPECT_FALSE(CreateShortcut(target_, static_cast<integration::ShortcutLocation>(6), "", "", "",
                                "", linkPath));
    EXPECT_FALSE(CreateShortcut(target_, integration::slStartup, "", "", "", "", linkPath));
    EXPECT_EQ(linkPath, "unchanged");
}

TEST_F(ShellLinkTest, InstallAutostartFailsUnlessTheLinkIsThere) {
    const std::string startup = Folder("Startup");
    {
        ShellFolder setting(L"Startup", startup);
        integration::InstallAutostart("Tippomat", target_);
        EXPECT_EQ(ReadShellLink(startup + "\\Tippomat.lnk").description, "Tippomat");
    }
    for (const std::string& folder : {std::string(), folder_.Path("missing")}) {
        ShellFolder setting(L"Startup", folder);
        EXPECT_THROW(integration::InstallAutostart("Tippomat", target_),
                     integration::InstallerError)
            << folder;
    }
}

} // namespace
