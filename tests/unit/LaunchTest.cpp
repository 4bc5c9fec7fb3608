// Launch rules that hold on every platform.
#include "core/Launch.h"
#include "platform/FileSystem.h"
#include "platform/ShellWords.h"
#include "support/TestFolder.h"

#include <gtest/gtest.h>

using core::LaunchPath;
using core::LaunchSettings;
using core::StartNotice;
using testing_support::TestFolder;
using testing_support::WriteBytes;

namespace {

TEST(LaunchPath, BlankOrMissingPathsStartNothing) {
    TestFolder folder;
    for (int mode : {0, 1, 2, -1}) {
        LaunchSettings settings;
        settings.DriveMode = mode;
        for (const char* path : {"", "   ", "\t \r\n"}) {
            EXPECT_FALSE(LaunchPath(path, "", "", settings, platform::ProgramFilePath())) << mode;
        }
        EXPECT_FALSE(LaunchPath(folder.Path("missing.exe"), folder.Path(), "-x", settings,
                                platform::ProgramFilePath()));
    }
}

TEST(StartNotice, NamesFolderFileOrStartedPath) {
    TestFolder folder;
    const std::string document = folder.Path("notes.txt");
    const std::string upper = folder.Path("App.EXE");
    WriteBytes(document, "x");
    WriteBytes(upper, "x");
    EXPECT_EQ(StartNotice(folder.Path(), folder.Path()), "Geöffnet: " + folder.Path());
    EXPECT_EQ(StartNotice(document, document), "Gestartet: " + document);
    EXPECT_EQ(StartNotice(upper, upper), "Gestartet: " + upper) << "only .exe reads versions";
    // The stored path is gone (a drive rule started another): the started path is named.
    EXPECT_EQ(StartNotice(folder.Path("gone.exe"), document), "Gestartet: " + document);
    // The ".exe" test comes before the folder test: a folder of that name is no opened folder.
    const std::string exeFolder = folder.Path("tools.exe");
    ASSERT_TRUE(platform::CreateDirectories(exeFolder));
    EXPECT_EQ(StartNotice(exeFolder, exeFolder), "Gestartet: " + exeFolder);
}

TEST(GetProductName, MissingFileIsAnError) {
    TestFolder folder;
    const std::string missing = folder.Path("x.exe");
    try {
        core::GetProductName(missing);
        FAIL() << "no error";
    } catch (const core::ProductNameError& error) {
        EXPECT_EQ(std::string(error.what()), "The file " + missing + " does not exist");
    }
}

TEST(ShellWords, SplitLikeAPosixShellWithoutExpansion) {
    using Words = std::vector<std::string>;
    EXPECT_EQ(platform::SplitShellWords(""), Words{});
    EXPECT_EQ(platform::SplitShellWords("  -a\t b  "), (Words{"-a", "b"}));
    EXPECT_EQ(platform::SplitShellWords(R"(-x "b c" 'd "e"' f\ g "h\"i\n" $HOME *)"),
              (Words{"-x", "b c", "d \"e\"", "f g", "h\"i\\n", "$HOME", "*"}));
    EXPECT_EQ(platform::SplitShellWords(R"(a"b"'c' "")"), (Words{"abc", ""}));
    EXPECT_EQ(platform::SplitShellWords("'open end"), (Words{"open end"}));
    EXPECT_EQ(platform::SplitShellWords("\"open end"), (Words{"open end"}));
    EXPECT_EQ(platform::SplitShellWords("trailing\\"), (Words{"trailing\\"}));
}

} // namespace
