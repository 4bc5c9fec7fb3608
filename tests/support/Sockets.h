// The few TCP calls the test HTTP server needs, over BSD sockets or Winsock.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace testing_support::sockets {

using Socket = std::intptr_t;
constexpr Socket kNoSocket = -1;

// A listening socket on 127.0.0.1 with a port the system chose.
Socket ListenLocal(int& port);
Socket Accept(Socket listener);
// Connects to 127.0.0.1:port; kNoSocket when refused.
Socket Connect(int port);
// Up to the blank line that ends the request head (or until the peer stops).
std::string ReceiveHead(Socket socket);
bool SendAll(Socket socket, std::string_view bytes);
void Close(Socket socket);

} // namespace testing_support::sockets
