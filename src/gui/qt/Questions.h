// The questions the logic asks, as Qt's modal boxes and choosers: messages with their buttons
// and help context ("\r" breaks lines), files and folders, colours.
#pragma once

#include "dialogs/ScriptedAnswers.h"

#include <QString>

#include <exception>

class QWidget;

namespace qtface {

dialogs::Answer Ask(QWidget* parent, const dialogs::MessageQuestion& question);
std::optional<std::string> AskPath(QWidget* parent, const dialogs::PathQuestion& question);
// The custom colours stay for the run, shared by every chooser.
std::optional<int> AskColor(QWidget* parent, int current);

// A message with one OK button.
void ShowMessage(QWidget* parent, const std::string& text, core::MessageKind kind, int helpContext);
// The general error handling: the error's text as an error message; the program runs on.
void ReportError(QWidget* parent, const std::exception& error);

// Tests answer the questions while answers are set; nullptr ends that.
void SetScriptedAnswers(dialogs::ScriptedAnswers* answers);

} // namespace qtface
