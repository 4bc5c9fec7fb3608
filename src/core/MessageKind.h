// The kinds of message box the program shows: each with its icon, a text and a help context.
#pragma once

namespace core {

enum class MessageKind { Error, Information, Confirmation };

} // namespace core
