#include "platform/AnsiCodePage.h"

#include "platform/WinText.h"

#include <windows.h>

namespace platform {

std::string AnsiToUtf8(std::string_view bytes) {
    if (bytes.empty()) {
        return {};
    }
    const int size = static_cast<int>(bytes.size());
    const int length = MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, nullptr, 0);
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, wide.data(), length);
    return Narrow(wide);
}

std::optional<std::string> Utf8ToAnsi(std::string_view text) {
    const std::wstring wide = Wide(text);
    if (wide.empty()) {
        return std::string();
    }
    const int size = static_cast<int>(wide.size());
    BOOL usedDefault = FALSE;
    const int length = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), size, nullptr,
                                           0, nullptr, &usedDefault);
    if (length <= 0 || usedDefault) {
        return std::nullopt;
    }
    std::string out(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), size, out.data(), length,
                        nullptr, &usedDefault);
    return out;
}

TextEncoding UnmarkedEncoding(std::string_view) {
    return TextEncoding::Ansi;
}

TextEncoding NewFileEncoding() {
    return TextEncoding::Ansi;
}

} // namespace platform
