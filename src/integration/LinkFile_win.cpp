#include "integration/LinkFile.h"

#include "integration/Com_win.h"
#include "platform/Paths.h"
#include "platform/Text.h"
#include "platform/WinText.h"

#include <shlobj.h>
#include <shobjidl.h>

#include <vector>

namespace integration {

namespace {

// Long enough for any path and for the longest arguments a link holds.
constexpr int kTextLength = 32768;

using Getter = HRESULT (STDMETHODCALLTYPE IShellLinkW::*)(LPWSTR, int);

std::string LinkText(IShellLinkW& link, Getter get) {
    std::vector<wchar_t> text(kTextLength, L'\0');
    if (FAILED((link.*get)(text.data(), kTextLength))) {
        return {};
    }
    return platform::Narrow(text.data());
}

} // namespace

// Read as stored, its environment variables expanded: the link is not resolved, which could
// search the disks or ask the user.
std::optional<LinkedProgram> ReadLinkFile(const std::string& path) {
    if (!platform::SameText(platform::ExtensionOf(path), ".lnk")) {
        return std::nullopt;
    }
    ComScope com;
    ComPointer<IShellLinkW> link;
    ComPointer<IPersistFile> file;
    if (!NewShellLink(link, file) || FAILED(file->Load(platform::Wide(path).c_str(), STGM_READ))) {
        return std::nullopt;
    }
    std::vector<wchar_t> target(kTextLength, L'\0');
    if (link->GetPath(target.data(), kTextLength, nullptr, SLGP_UNCPRIORITY) != S_OK ||
        target[0] == L'\0') {
        return std::nullopt; // a link to something that is no file, such as a printer
    }
    return LinkedProgram{platform::Narrow(target.data()),
                         LinkText(*link, &IShellLinkW::GetArguments),
                         LinkText(*link, &IShellLinkW::GetWorkingDirectory)};
}

} // namespace integration
