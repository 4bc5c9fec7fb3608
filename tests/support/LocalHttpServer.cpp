#include "support/LocalHttpServer.h"

namespace testing_support {

LocalHttpServer::LocalHttpServer() : listener_(sockets::ListenLocal(port_)) {
    thread_ = std::thread([this] { Run(); });
}

LocalHttpServer::~LocalHttpServer() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stopping_ = true;
    }
    ending_.notify_all();
    // Wakes the accept with a connection of its own.
    sockets::Close(sockets::Connect(port_));
    thread_.join();
    sockets::Close(listener_);
}

void LocalHttpServer::Serve(const std::string& path, const HttpReply& reply) {
    std::lock_guard<std::mutex> lock(mutex_);
    replies_[path] = reply;
}

std::string LocalHttpServer::Url(const std::string& path) const {
    return "http://127.0.0.1:" + std::to_string(port_) + path;
}

std::vector<std::string> LocalHttpServer::Requests() {
    std::lock_guard<std::mutex> lock(mutex_);
    return requests_;
}

void LocalHttpServer::Run() {
    for (;;) {
        const sockets::Socket client = sockets::Accept(listener_);
        {
            std::lock_guard<std::mutex> lock(mutex_);
            if (stopping_ || client == sockets::kNoSocket) {
                sockets::Close(client);
                return;
            }
        }
        Answer(client);
        sockets::Close(client);
    }
}

void LocalHttpServer::Answer(sockets::Socket client) {
    const std::string head = sockets::ReceiveHead(client);
    const std::string line = head.substr(0, head.find("\r\n"));
    const std::string method = line.substr(0, line.find(' '));
    const size_t pathStart = method.size() + 1;
    const std::string path = line.size() > pathStart
                                 ? line.substr(pathStart, line.find(' ', pathStart) - pathStart)
                                 : "";
    HttpReply reply{404, "not here"};
    {
        std::lock_guard<std::mutex> lock(mutex_);
        requests_.push_back(method + " " + path);
        if (const auto found = replies_.find(path); found != replies_.end()) {
            reply = found->second;
        }
    }
    if (reply.silent) {
        std::unique_lock<std::mutex> lock(mutex_);
        ending_.wait(lock, [this] { return stopping_; });
        return;
    }
    const std::int64_t length = reply.announcedLength >= 0
                                    ? reply.announcedLength
                                    : static_cast<std::int64_t>(reply.body.size());
    const std::string header = "HTTP/1.1 " + std::to_string(reply.status) +
                               " Answer\r\nContent-Type: application/octet-stream\r\n"
                               "Content-Length: " +
                               std::to_string(length) + "\r\nConnection: close\r\n\r\n";
    if (!sockets::SendAll(client, header) || method == "HEAD") {
        return;
    }
    if (!reply.stallMidBody) {
        sockets::SendAll(client, reply.body);
        return;
    }
    sockets::SendAll(client, std::string_view(reply.body).substr(0, reply.body.size() / 2));
    std::unique_lock<std::mutex> lock(mutex_);
    ending_.wait(lock, [this] { return stopping_; });
}

std::string RefusingUrl(const std::string& path) {
    int port = 0;
    const sockets::Socket listener = sockets::ListenLocal(port);
    sockets::Close(listener);
    return "http://127.0.0.1:" + std::to_string(port) + path;
}

} // namespace testing_support
