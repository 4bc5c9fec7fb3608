// The two kinds of message box the program shows: one OK button, an icon and a help context.
#pragma once

namespace core {

enum class MessageKind { Error, Information };

} // namespace core
