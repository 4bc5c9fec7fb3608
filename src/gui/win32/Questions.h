// The questions the logic asks, as Win32's modal boxes and common dialogs: messages with their
// buttons, icon and help context (the help button and F1 ask for that topic), files and folders
// (the current folder stays as it was), colours (the custom colours stay for the run).
#pragma once

#include "dialogs/ScriptedAnswers.h"

#include <windows.h>

namespace win32face {

dialogs::Answer Ask(HWND owner, const dialogs::MessageQuestion& question);
std::optional<std::string> AskPath(HWND owner, const dialogs::PathQuestion& question);
std::optional<int> AskColor(HWND owner, int current);

// A message with one OK button.
void ShowMessage(HWND owner, core::MessageKind kind, const std::string& text, int helpContext);

// Tests answer the questions while answers are set; nullptr ends that.
void SetScriptedAnswers(dialogs::ScriptedAnswers* answers);

} // namespace win32face
