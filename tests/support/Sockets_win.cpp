#include "support/Sockets.h"

#include <winsock2.h>
#include <ws2tcpip.h>

namespace testing_support::sockets {

namespace {

void StartWinsock() {
    static const bool started = [] {
        WSADATA data;
        return WSAStartup(MAKEWORD(2, 2), &data) == 0;
    }();
    (void)started;
}

sockaddr_in Local(int port) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<u_short>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    return address;
}

SOCKET Raw(Socket socket) {
    return static_cast<SOCKET>(socket);
}

} // namespace

Socket ListenLocal(int& port) {
    StartWinsock();
    const SOCKET fd = ::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in address = Local(0);
    int length = sizeof address;
    if (fd == INVALID_SOCKET ||
        ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        ::listen(fd, 8) != 0 ||
        ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        return kNoSocket;
    }
    port = ntohs(address.sin_port);
    return static_cast<Socket>(fd);
}

Socket Accept(Socket listener) {
    const SOCKET fd = ::accept(Raw(listener), nullptr, nullptr);
    return fd == INVALID_SOCKET ? kNoSocket : static_cast<Socket>(fd);
}

Socket Connect(int port) {
    StartWinsock();
    const SOCKET fd = ::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    const sockaddr_in address = Local(port);
    if (fd != INVALID_SOCKET &&
        ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0) {
        return static_cast<Socket>(fd);
    }
    if (fd != INVALID_SOCKET) {
        ::closesocket(fd);
    }
    return kNoSocket;
}

std::string ReceiveHead(Socket socket) {
    std::string head;
    char c = 0;
    while (head.find("\r\n\r\n") == std::string::npos && ::recv(Raw(socket), &c, 1, 0) == 1) {
        head += c;
    }
    return head;
}

bool SendAll(Socket socket, std::string_view bytes) {
    while (!bytes.empty()) {
        const int sent = ::send(Raw(socket), bytes.data(), static_cast<int>(bytes.size()), 0);
        if (sent <= 0) {
            return false;
        }
        bytes.remove_prefix(static_cast<size_t>(sent));
    }
    return true;
}

void Close(Socket socket) {
    if (socket != kNoSocket) {
        ::closesocket(Raw(socket));
    }
}

} // namespace testing_support::sockets
