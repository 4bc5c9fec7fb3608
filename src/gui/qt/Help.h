// The help window: the help pages built into the program, opened on the topic of a help context
// number; links between the pages stay in the window.
#pragma once

namespace qtface {

// Shows the window on the context's topic, in front; nothing for a number without a topic.
void ShowHelpTopic(int context);

} // namespace qtface
