// Local-socket transfers of the single-instance guard, each bounded by a deadline, so that a
// copy that does not answer can never hold up the one that asks.
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <string>

namespace components {

using Deadline = std::chrono::steady_clock::time_point;

// A connected non-blocking socket, or -1 when nothing accepts there before the deadline.
int ConnectBefore(const std::string& path, Deadline deadline);
bool SendBefore(int fd, const void* data, std::size_t size, Deadline deadline);
bool ReceiveBefore(int fd, void* data, std::size_t size, Deadline deadline);

// True when the process at the other end belongs to this user; processId is then its id as
// the kernel recorded it at connect, not what the process claims.
bool PeerIsThisUser(int fd, std::uint32_t& processId);

// A bound, listening, non-blocking socket at path; -1 when the path is taken or too long.
int ListenAt(const std::string& path);

} // namespace components
