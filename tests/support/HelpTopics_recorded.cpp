#include "dialogs/HelpTopics.h"
#include "support/RecordedHelpTopics.h"

namespace testing_support::recorded_help {

namespace {

std::vector<int>& Topics() {
    static std::vector<int> topics;
    return topics;
}

} // namespace

std::vector<int>& Reset() {
    Topics().clear();
    return Topics();
}

} // namespace testing_support::recorded_help

namespace dialogs {

void ShowHelpTopic(HelpOwner, int context) {
    testing_support::recorded_help::Topics().push_back(context);
}

} // namespace dialogs
