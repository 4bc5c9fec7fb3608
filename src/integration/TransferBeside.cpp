#include "integration/TransferBeside.h"

#include <chrono>
#include <future>
#include <memory>
#include <thread>

namespace integration {

HttpResponse RunBeside(std::function<HttpResponse(TransferState&)> transfer,
                       const std::function<void()>& abort, const HttpProgress& progress,
                       int totalSeconds) {
    using Clock = std::chrono::steady_clock;
    auto state = std::make_shared<TransferState>();
    auto task = std::make_shared<std::packaged_task<HttpResponse()>>(
        [transfer = std::move(transfer), state] { return transfer(*state); });
    std::future<HttpResponse> result = task->get_future();
    std::thread([task] { (*task)(); }).detach();
    const Clock::time_point deadline = Clock::now() + std::chrono::seconds(totalSeconds);
    Clock::time_point givenUp = Clock::time_point::max();
    while (result.wait_for(std::chrono::milliseconds(100)) != std::future_status::ready) {
        const bool goOn = !progress || progress(state->received);
        if (!state->aborted && (!goOn || Clock::now() >= deadline)) {
            state->aborted = true;
            abort();
            givenUp = Clock::now() + std::chrono::seconds(1);
        }
        if (Clock::now() >= givenUp) {
            return {};
        }
    }
    if (progress) {
        progress(state->received);
    }
    HttpResponse response = result.get();
    response.ok = response.ok && !state->aborted;
    return response;
}

} // namespace integration
