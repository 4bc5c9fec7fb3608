#include "core/StartOptions.h"

namespace core {

namespace {

std::string WithoutQuotes(const std::string& word) {
    std::string plain;
    for (char c : word) {
        if (c != '"') {
            plain += c;
        }
    }
    return plain;
}

} // namespace

StartOptions ReadStartOptions(const std::vector<std::string>& words) {
    StartOptions options;
    for (const std::string& word : words) {
        const std::string plain = WithoutQuotes(word);
        if (plain == "--popup") {
            options.popup = PopupRequest::User;
        } else if (plain == "--admin-popup") {
            options.popup = PopupRequest::Admin;
        } else if (!plain.empty()) {
            options.unknown.push_back(word);
        }
    }
    return options;
}

std::string UnknownOptionsText(const StartOptions& options) {
    if (options.unknown.empty()) {
        return {};
    }
    std::string text = "Tippomat: unbekannte Option";
    for (const std::string& word : options.unknown) {
        text += " " + word;
    }
    return text + " (bekannt sind --popup und --admin-popup)\n";
}

} // namespace core
