#include "support/ScriptedQuestions.h"

#include "dialogs/Questions.h"

namespace testing_support::scripted_questions {

namespace {

ScriptedAnswers& TheAnswers() {
    static ScriptedAnswers answers;
    return answers;
}

} // namespace

ScriptedAnswers& Reset() {
    return TheAnswers() = {};
}

} // namespace testing_support::scripted_questions

namespace dialogs {

using testing_support::scripted_questions::TheAnswers;

Answer Ask(QuestionOwner, const MessageQuestion& question) {
    return TheAnswers().AnswerTo(question);
}

std::optional<std::string> AskPath(QuestionOwner, const PathQuestion& question) {
    return TheAnswers().AnswerTo(question);
}

std::optional<int> AskColor(QuestionOwner, int current) {
    return TheAnswers().AnswerToColor(current);
}

} // namespace dialogs
