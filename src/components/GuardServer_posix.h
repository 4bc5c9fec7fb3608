// The running copy's side of the guard socket. It never waits for a client: one descriptor
// (an epoll set of the listening socket, the clients and a timer) tells the event loop when
// there is something to do, and each call does only what can be done at once.
#pragma once

#include "components/GuardSocket_posix.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace components {

class GuardServer {
  public:
    // The answer for one hand-over: the new copy's process id and its command line.
    using Answer = std::function<std::uint32_t(std::uint32_t, const std::string&)>;

    // Takes over a listening non-blocking socket.
    GuardServer(int listening, Answer answer);
    ~GuardServer();
    GuardServer(const GuardServer&) = delete;
    GuardServer& operator=(const GuardServer&) = delete;

    // Readable when Serve has work; -1 when the server could not be set up.
    int Descriptor() const { return epoll_; }
    // Accepts waiting copies, reads what they have sent, answers each whole hand-over and drops
    // clients that have not finished theirs in time.
    void Serve();

  private:
    struct Client {
        int fd;
        std::uint32_t processId;
        Deadline deadline;
        std::string received;
    };

    void Accept();
    // True when the client is done with (answered, gone or broken).
    bool Read(Client& client);
    void Drop(Client& client);
    void ArmTimer();

    int listening_;
    int epoll_;
    int timer_;
    Answer answer_;
    std::vector<Client> clients_;
};

} // namespace components
