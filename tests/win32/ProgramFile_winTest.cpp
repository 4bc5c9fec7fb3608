// Tippomat.exe as a file: a Windows GUI program carrying its version, its icon in several sizes
// and its manifest.
#include "platform/VersionInfo.h"
#include "platform/WinText.h"
#include "support/TestFolder.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <vector>

namespace {

// That it needs no runtime library beside it, the end-to-end test shows: it runs a copy of the
// file alone in a folder of its own.
TEST(ProgramFile, IsAWindowsGuiProgram) {
    const std::string file = testing_support::ReadBytes(TIPPOMAT_EXE);
    ASSERT_GT(file.size(), 0x200u);
    LONG header = 0;
    std::memcpy(&header, file.data() + offsetof(IMAGE_DOS_HEADER, e_lfanew), sizeof header);
    IMAGE_NT_HEADERS64 program{};
    std::memcpy(&program, file.data() + header, sizeof program);
    EXPECT_EQ(program.OptionalHeader.Subsystem, IMAGE_SUBSYSTEM_WINDOWS_GUI)
        << "a console program would open a console window";
}

TEST(ProgramFile, CarriesItsVersionIconsAndManifest) {
    const auto strings = platform::ReadVersionStrings(TIPPOMAT_EXE);
    ASSERT_TRUE(strings.has_value());
    EXPECT_EQ(strings->productName, "Tippomat");

    const std::wstring file = platform::Wide(TIPPOMAT_EXE);
    std::vector<BYTE> block(GetFileVersionInfoSizeW(file.c_str(), nullptr));
    ASSERT_TRUE(
        GetFileVersionInfoW(file.c_str(), 0, static_cast<DWORD>(block.size()), block.data()));
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT size = 0;
    ASSERT_TRUE(VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &size));
    char version[64];
    std::snprintf(version, sizeof version, "%lu.%lu.%lu.%lu", fixed->dwFileVersionMS >> 16,
                  fixed->dwFileVersionMS & 0xFFFF, fixed->dwFileVersionLS >> 16,
                  fixed->dwFileVersionLS & 0xFFFF);
    EXPECT_EQ(std::string(version), TIPPOMAT_FILE_VERSION);

    const HMODULE resources = LoadLibraryExW(
        file.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    ASSERT_NE(resources, nullptr);
    const auto resource = [resources](LPCWSTR type) {
        const HRSRC found = FindResourceW(resources, MAKEINTRESOURCEW(1), type);
        return found == nullptr ? std::string()
                                : std::string(static_cast<const char*>(
                                                  LockResource(LoadResource(resources, found))),
                                              SizeofResource(resources, found));
    };
    const std::string icons = resource(RT_GROUP_ICON);
    ASSERT_GE(icons.size(), 6u);
    EXPECT_GE(reinterpret_cast<const WORD*>(icons.data())[2], 3) << "small, large and larger";
    const std::string manifest = resource(RT_MANIFEST);
    for (const char* needle : {"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\"",
                               "PerMonitorV2", "level=\"asInvoker\""}) {
        EXPECT_NE(manifest.find(needle), std::string::npos) << needle;
    }
    FreeLibrary(resources);
}

} // namespace
