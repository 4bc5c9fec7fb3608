// Logout, shutdown and kill ask a program to end with SIGTERM, SIGHUP or SIGINT. The program
// ends as its own menu ends it, from its event loop: the handler only makes a descriptor
// readable.
#pragma once

namespace platform {

// Catches the three signals from now on; the returned descriptor becomes readable when one
// came. -1 when it cannot be set up.
int WatchTerminationSignals();

} // namespace platform
