// Help topics by context number: the page of TIPPOMAT.chm beside the program in the system's
// HTML help viewer, or, without the viewer or the file, the same page in the default browser.
#include "dialogs/HelpTopics.h"

#include "integration/HelpProject.h"
#include "platform/FileSystem.h"
#include "platform/Paths.h"
#include "platform/Shell.h"
#include "platform/WinText.h"

#include <windows.h>

#include <htmlhelp.h>

#include <map>
#include <string>

namespace win32face {

namespace {

using HtmlHelpFunction = HWND(WINAPI*)(HWND, LPCWSTR, UINT, DWORD_PTR);

// The help pages and their project are built into the program as resources of this type
// (Help.rc), named by their file names, and the pictures they show as the other.
constexpr const wchar_t* kPageType = L"HELPPAGE";
constexpr const wchar_t* kPictureType = L"HELPPICTURE";

// The viewer is loaded at the first request, so a start without help costs nothing.
HtmlHelpFunction HtmlHelpViewer() {
    static const HtmlHelpFunction viewer = []() -> HtmlHelpFunction {
        const HMODULE library =
            LoadLibraryExW(L"hhctrl.ocx", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
        if (library == nullptr) {
            return nullptr;
        }
        return reinterpret_cast<HtmlHelpFunction>(
            reinterpret_cast<void (*)()>(GetProcAddress(library, "HtmlHelpW")));
    }();
    return viewer;
}

std::string_view PageResource(const wchar_t* name, const wchar_t* type = kPageType) {
    const HRSRC found = FindResourceW(nullptr, name, type);
    const HGLOBAL loaded = found != nullptr ? LoadResource(nullptr, found) : nullptr;
    if (loaded == nullptr) {
        return {};
    }
    return {static_cast<const char*>(LockResource(loaded)),
            static_cast<std::size_t>(SizeofResource(nullptr, found))};
}

// The page of each number, from the project TIPPOMAT.chm is compiled from. chmcmd writes the
// folder it compiled in into the file's own context map, where the viewer would look in vain,
// so topics are opened by their page.
const std::map<int, std::string>& TopicPages() {
    static const std::map<int, std::string> pages =
        integration::HelpTopicPages(PageResource(L"TIPPOMAT.HHP"));
    return pages;
}

bool ShowInViewer(HWND owner, const std::string& page) {
    const std::string file = platform::ProgramFolder() + "TIPPOMAT.chm";
    if (!platform::FileExists(file) || HtmlHelpViewer() == nullptr) {
        return false;
    }
    const std::wstring topic = platform::Wide(file + "::/" + page);
    return HtmlHelpViewer()(owner, topic.c_str(), HH_DISPLAY_TOPIC, 0) != nullptr;
}

BOOL CALLBACK WritePage(HMODULE, LPCWSTR type, LPWSTR name, LONG_PTR folder) {
    if (!IS_INTRESOURCE(name)) {
        const std::string path =
            *reinterpret_cast<const std::string*>(folder) + platform::Narrow(name);
        platform::ReplaceFileContent(path, PageResource(name, type));
    }
    return TRUE;
}

// Without the viewer or the help file: the pages written to a folder of the user's temporary
// folder, the topic opened in the default browser.
void ShowInBrowser(const std::string& page) {
    wchar_t temporary[MAX_PATH + 1] = {};
    if (GetTempPathW(MAX_PATH + 1, temporary) == 0) {
        return;
    }
    const std::string folder = platform::Narrow(temporary) + "Tippomat-Hilfe\\";
    const std::string pictures = folder + "bilder\\";
    platform::CreateDirectories(pictures);
    EnumResourceNamesW(nullptr, kPageType, WritePage, reinterpret_cast<LONG_PTR>(&folder));
    EnumResourceNamesW(nullptr, kPictureType, WritePage, reinterpret_cast<LONG_PTR>(&pictures));
    platform::ShellOpen(folder + page, "", folder);
}

} // namespace

} // namespace win32face

namespace dialogs {

void ShowHelpTopic(HelpOwner owner, int context) {
    const auto page = win32face::TopicPages().find(context);
    if (page != win32face::TopicPages().end() &&
        !win32face::ShowInViewer(static_cast<HWND>(owner), page->second)) {
        win32face::ShowInBrowser(page->second);
    }
}

} // namespace dialogs
