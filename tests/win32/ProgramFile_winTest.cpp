// Tippomat.exe as a file: a Windows GUI program carrying its version, its icon in
// several sizes and its manifest.
#include "platform/VersionInfo.h"
#include "platform/WinText.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

// The program file mapped as an image, without running or binding anything.
class ProgramImage {
  public:
    ProgramImage()
        : module_(LoadLibraryExW(platform::Wide(TIPPOMAT_EXE).c_str(), nullptr,
                                 DONT_RESOLVE_DLL_REFERENCES)) {}
    ~ProgramImage() {
        if (module_ != nullptr) {
            FreeLibrary(module_);
        }
    }

    bool Loaded() const { return module_ != nullptr; }

    const IMAGE_NT_HEADERS& Headers() const {
        const auto& dos = *At<IMAGE_DOS_HEADER>(0);
        return *At<IMAGE_NT_HEADERS>(static_cast<DWORD>(dos.e_lfanew));
    }

    std::string Resource(LPCWSTR type, int id) const {
        const HRSRC found = FindResourceW(module_, MAKEINTRESOURCEW(id), type);
        if (found == nullptr) {
            return {};
        }
        const auto* bytes = static_cast<const char*>(LockResource(LoadResource(module_, found)));
        return std::string(bytes, SizeofResource(module_, found));
    }

  private:
    template <class T> const T* At(DWORD offset) const {
        return reinterpret_cast<const T*>(reinterpret_cast<const BYTE*>(module_) + offset);
    }

    HMODULE module_;
};

// That it needs no runtime library beside it, the end-to-end test shows: it runs a copy of the
// file alone in a folder of its own.
TEST(ProgramFile, IsAWindowsGuiProgram) {
    const ProgramImage program;
    ASSERT_TRUE(program.Loaded());
    EXPECT_EQ(program.Headers().OptionalHeader.Subsystem, IMAGE_SUBSYSTEM_WINDOWS_GUI)
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

    const ProgramImage program;
    ASSERT_TRUE(program.Loaded());
    const std::string icons = program.Resource(RT_GROUP_ICON, 1);
    ASSERT_GE(icons.size(), 6u);
    EXPECT_GE(reinterpret_cast<const WORD*>(icons.data())[2], 3) << "small, large and larger";
    const std::string manifest = program.Resource(RT_MANIFEST, 1);
    for (const char* needle : {"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\"",
                               "PerMonitorV2", "level=\"asInvoker\""}) {
        EXPECT_NE(manifest.find(needle), std::string::npos) << needle;
    }
}

} // namespace
