// Starting a program that outlives the launcher and owes it nothing.
#pragma once

#include <string>
#include <vector>

namespace platform {

// Searches PATH when argv[0] has no "/". The program runs in its own session with default
// signal handling, an empty signal mask and none of the launcher's descriptors beyond 0-2. It is
// started without copying the launcher's address space. True once it has been executed; false
// when the working directory or the program cannot be used.
bool StartDetached(const std::vector<std::string>& argv, const std::string& directory);

// Started programs are never waited for: from now on the system reaps every child of this
// process that ends, so none stays behind as a zombie. Called once by the program at start.
void LeaveEndedChildrenToTheSystem();

} // namespace platform
