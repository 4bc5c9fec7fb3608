// Message boxes with one OK button, an icon, a German text and a help context: the help button
// and F1 ask for that topic.
#pragma once

#include "core/MessageKind.h"

#include <functional>
#include <string>

#include <windows.h>

namespace wingui {

void ShowMessage(HWND owner, core::MessageKind kind, const std::string& text, int helpContext);

// Tests see the messages instead of modal boxes while a sink is set. The text is the logic's.
using MessageSink =
    std::function<void(core::MessageKind kind, const std::string& text, int helpContext)>;
void SetMessageSink(MessageSink sink);

} // namespace wingui
