// A transfer that runs beside the interface rather than on its thread.
#pragma once

#include "integration/Http.h"

#include <atomic>
#include <cstdint>
#include <functional>

namespace integration {

struct TransferState {
    std::atomic<std::int64_t> received{0}; // the body's bytes so far
    std::atomic<bool> aborted{false};      // the transfer ends as soon as it sees this
};

// Runs transfer on a thread of its own. Meanwhile the calling thread, the interface's, calls
// progress about ten times a second with the bytes received, so that its messages keep being
// handled. When progress answers false, or the transfer has run totalSeconds, the state is
// marked aborted and abort is called on the calling thread; a transfer that does not end within
// a second after that is left to end by itself, so transfer must own what it uses. Returns the
// transfer's response, which is never ok after an abort.
HttpResponse RunBeside(std::function<HttpResponse(TransferState&)> transfer,
                       const std::function<void()>& abort, const HttpProgress& progress,
                       int totalSeconds);

} // namespace integration
