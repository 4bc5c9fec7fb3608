#include "support/ScriptedAnswers.h"

namespace testing_support {

using dialogs::Answer;
using dialogs::MessageButtons;
using dialogs::MessageQuestion;
using dialogs::PathQuestion;

namespace {

template <class Queue, class Value> Value Next(Queue& queue, Value otherwise) {
    if (queue.empty()) {
        return otherwise;
    }
    Value next = queue.front();
    queue.pop_front();
    return next;
}

} // namespace

Answer ScriptedAnswers::AnswerTo(const MessageQuestion& question) {
    messages.push_back(question);
    return Next(answers, question.buttons == MessageButtons::YesNo ? Answer::No : Answer::Ok);
}

std::optional<std::string> ScriptedAnswers::AnswerTo(const PathQuestion& question) {
    pathQuestions.push_back(question);
    return Next(paths, std::optional<std::string>());
}

std::optional<int> ScriptedAnswers::AnswerToColor(int current) {
    colorQuestions.push_back(current);
    return Next(colors, std::optional<int>());
}

} // namespace testing_support
