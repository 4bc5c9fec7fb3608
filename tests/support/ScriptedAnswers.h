// The questions a test sees instead of modal boxes and choosers, and the answers it has queued
// for them. An empty queue answers OK (No where Yes and No are offered), or nothing chosen.
#pragma once

#include "dialogs/DialogView.h"

#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace testing_support {

struct ScriptedAnswers {
    dialogs::Answer AnswerTo(const dialogs::MessageQuestion& question);
    std::optional<std::string> AnswerTo(const dialogs::PathQuestion& question);
    std::optional<int> AnswerToColor(int current);

    std::vector<dialogs::MessageQuestion> messages;
    std::vector<dialogs::PathQuestion> pathQuestions;
    std::vector<int> colorQuestions;
    std::deque<dialogs::Answer> answers;
    std::deque<std::optional<std::string>> paths;
    std::deque<std::optional<int>> colors;
};

} // namespace testing_support
