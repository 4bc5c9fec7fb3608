// An HTTP server on 127.0.0.1 inside the test process, for the update client: each path answers
// as the test set it, and a stalling answer holds back the rest of its body until the server
// ends. Every connection carries one request.
#pragma once

#include "support/Sockets.h"

#include <condition_variable>
#include <cstdint>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace testing_support {

struct HttpReply {
    int status = 200;
    std::string body;
    std::int64_t announcedLength = -1; // -1: the body's size
    bool stallMidBody = false;         // sends half the body, then nothing more
    bool silent = false;               // takes the request and answers nothing
};

class LocalHttpServer {
  public:
    LocalHttpServer();
    ~LocalHttpServer();
    LocalHttpServer(const LocalHttpServer&) = delete;
    LocalHttpServer& operator=(const LocalHttpServer&) = delete;

    void Serve(const std::string& path, const HttpReply& reply);
    std::string Url(const std::string& path) const;
    // The request lines so far ("HEAD /download/x.ver").
    std::vector<std::string> Requests();

  private:
    void Run();
    void Answer(sockets::Socket client);

    int port_ = 0;
    sockets::Socket listener_;
    std::mutex mutex_;
    std::condition_variable ending_;
    bool stopping_ = false;
    std::map<std::string, HttpReply> replies_;
    std::vector<std::string> requests_;
    std::thread thread_;
};

// An address on 127.0.0.1 where nothing listens.
std::string RefusingUrl(const std::string& path);

} // namespace testing_support
