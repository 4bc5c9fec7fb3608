// The release's signature: ECDSA on the curve P-256 over the archive's SHA-256, checked with the
// system's own crypto (libcrypto on Linux, opened at the first check; CNG on Windows).
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace integration {

// True when signature (r and s, 32 bytes each, big-endian) is valid for data under publicKey
// (the uncompressed point: 0x04, X and Y, 32 bytes each). Anything malformed is false.
bool VerifySignature(std::string_view data, std::string_view signature, std::string_view publicKey);

// The bytes written as hex digits (either case), blanks and line ends after them allowed;
// nothing when the text is anything else.
std::optional<std::string> FromHex(std::string_view text);

} // namespace integration
