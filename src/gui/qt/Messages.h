// Message boxes with one OK button, a German text and a help context ("\r" breaks lines).
#pragma once

#include "core/MessageKind.h"

#include <QString>

#include <exception>
#include <functional>

class QWidget;

namespace gui {

void ShowMessage(QWidget* parent, const QString& text, core::MessageKind kind, int helpContext);

// The general error handling: the error's text as an error message; the program runs on.
void ReportError(QWidget* parent, const std::exception& error);

// Tests see the messages instead of modal boxes while a sink is set.
using MessageSink =
    std::function<void(const QString& text, core::MessageKind kind, int helpContext)>;
void SetMessageSink(MessageSink sink);

} // namespace gui
