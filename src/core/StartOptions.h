// The program's command-line options: a start can ask for the popup, so that a desktop's own
// shortcut settings, a shortcut file or a script can bring it up where no hotkey can be grabbed.
#pragma once

#include <string>
#include <vector>

namespace core {

enum class PopupRequest { None, User, Admin };

struct StartOptions {
    PopupRequest popup = PopupRequest::None;
    std::vector<std::string> unknown; // words that are no option of the program
};

// words: the command line after the program's own name. A word may stand in double quotes, as
// the hand-over passes them on.
StartOptions ReadStartOptions(const std::vector<std::string>& words);

// The line told on standard error for the unknown words; empty when there are none.
std::string UnknownOptionsText(const StartOptions& options);

} // namespace core
