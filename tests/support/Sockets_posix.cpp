#include "support/Sockets.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace testing_support::sockets {

namespace {

sockaddr_in Local(int port) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    return address;
}

} // namespace

Socket ListenLocal(int& port) {
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address = Local(0);
    socklen_t length = sizeof address;
    if (fd < 0 || ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        ::listen(fd, 8) != 0 ||
        ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        return kNoSocket;
    }
    port = ntohs(address.sin_port);
    return fd;
}

Socket Accept(Socket listener) {
    const int fd = ::accept(static_cast<int>(listener), nullptr, nullptr);
    return fd < 0 ? kNoSocket : fd;
}

Socket Connect(int port) {
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    const sockaddr_in address = Local(port);
    if (fd >= 0 &&
        ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0) {
        return fd;
    }
    if (fd >= 0) {
        ::close(fd);
    }
    return kNoSocket;
}

std::string ReceiveHead(Socket socket) {
    std::string head;
    char c = 0;
    while (head.find("\r\n\r\n") == std::string::npos &&
           ::recv(static_cast<int>(socket), &c, 1, 0) == 1) {
        head += c;
    }
    return head;
}

bool SendAll(Socket socket, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t sent =
            ::send(static_cast<int>(socket), bytes.data(), bytes.size(), MSG_NOSIGNAL);
        if (sent <= 0) {
            return false;
        }
        bytes.remove_prefix(static_cast<size_t>(sent));
    }
    return true;
}

void Close(Socket socket) {
    if (socket != kNoSocket) {
        ::close(static_cast<int>(socket));
    }
}

} // namespace testing_support::sockets
