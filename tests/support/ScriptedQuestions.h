// The questions as the scripted backend answers them (Questions_scripted.cpp): no box comes up;
// what was asked is recorded, in order, and the answers come from the queues.
#pragma once

#include "support/ScriptedAnswers.h"

namespace testing_support::scripted_questions {

// Forgets what was asked and queued; returns the one set of answers every question takes.
ScriptedAnswers& Reset();

} // namespace testing_support::scripted_questions
