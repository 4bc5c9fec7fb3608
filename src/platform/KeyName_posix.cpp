#include "platform/KeyName.h"

namespace platform {

namespace {

struct NamedKey {
    std::uint8_t virtualKey;
    const char* name;
};

// The names a German Windows keyboard layout gives these keys, so that texts written on either
// system mean the same key on the other.
constexpr NamedKey kNames[] = {
    {0x10, "Umschalt"},
    {0x11, "Strg"},
    {0x12, "Alt"},
    {0x13, "Pause"},
    {0x14, "Feststell"},
    {0x2C, "Druck"},
    {0x5B, "Links-Windows"},
    {0x5C, "Rechts-Windows"},
    {0x5D, "Anwendung"},
    {0x6A, "Num *"},
    {0x6B, "Num +"},
    {0x6D, "Num -"},
    {0x6E, "Num ,"},
    {0x6F, "Num /"},
    {0x90, "Num"},
    {0x91, "Rollen"},
    {0xBA, "Ü"},
    {0xBB, "+"},
    {0xBC, ","},
    {0xBD, "-"},
    {0xBE, "."},
    {0xBF, "#"},
    {0xC0, "Ö"},
    {0xDB, "ß"},
    {0xDC, "^"},
    {0xDD, "´"},
    {0xDE, "Ä"},
    {0xE2, "<"},
};

} // namespace

std::string KeyNameText(std::uint8_t virtualKey) {
    for (const NamedKey& key : kNames) {
        if (key.virtualKey == virtualKey) {
            return key.name;
        }
    }
    return {};
}

} // namespace platform
