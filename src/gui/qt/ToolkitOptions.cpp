#include "gui/qt/ToolkitOptions.h"

#include <algorithm>
#include <iterator>
#include <string_view>

namespace qtface {

namespace {

// The options QGuiApplication and QApplication take, with one dash or two.
constexpr std::string_view kWithValue[] = {
    "platform",    "platformpluginpath", "platformtheme", "plugin",  "qwindowgeometry",
    "qwindowicon", "qwindowtitle",       "session",       "display", "geometry",
    "style",       "stylesheet",         "name",          "title"};
constexpr std::string_view kAlone[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};

template <size_t N> bool Among(const std::string_view (&names)[N], std::string_view name) {
    return std::find(std::begin(names), std::end(names), name) != std::end(names);
}

// "-style" and "--style" are both "style"; a word without a dash has no option name.
std::string_view OptionName(std::string_view word) {
    const size_t dashes = word.substr(0, 2) == "--" ? 2 : word.substr(0, 1) == "-" ? 1 : 0;
    return dashes == 0 ? std::string_view() : word.substr(dashes);
}

} // namespace

std::vector<std::string> ProgramWords(int argc, char** argv) {
    std::vector<std::string> words;
    for (int i = 1; i < argc; ++i) {
        const std::string_view name = OptionName(argv[i]);
        const std::string_view key = name.substr(0, name.find('='));
        const bool valueJoined = key.size() < name.size(); // -style=fusion
        if (!name.empty() && !valueJoined && Among(kWithValue, name)) {
            ++i; // the value is the next word
        } else if (name.empty() ||
                   !(Among(kAlone, name) ||
                     (valueJoined && (Among(kWithValue, key) || key == "qmljsdebugger")))) {
            words.emplace_back(argv[i]);
        }
    }
    return words;
}

} // namespace qtface
