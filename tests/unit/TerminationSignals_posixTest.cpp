// The termination signals' handler, which may interrupt any code.
#include "platform/TerminationSignals.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <fcntl.h>

namespace {

// Once the pipe is full, the handler's write fails; the interrupted code's errno stays.
TEST(TerminationSignals, TheHandlerKeepsErrno) {
    const int readEnd = platform::WatchTerminationSignals();
    ASSERT_GE(readEnd, 0);
    const int size = ::fcntl(readEnd, F_SETPIPE_SZ, 4096);
    for (int i = 0; i <= size; ++i) {
        std::raise(SIGHUP);
    }
    errno = EDOM;
    std::raise(SIGHUP);
    EXPECT_EQ(errno, EDOM);
}

} // namespace
