// Any text as a shortcut text: the value it gives is written as a text that gives it back.
#include "components/ShortCut.h"
#include "fuzz/FuzzSupport.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const components::ShortcutValue value = components::TextToShortCut(text);
    if (value != 0) {
        const std::string written = components::ShortCutToText(value);
        if (written.empty() || components::TextToShortCut(written) != value) {
            fuzzing::Fail("a shortcut value does not survive its text");
        }
    }
    if (size >= 2) {
        const auto raw = static_cast<components::ShortcutValue>(data[0] | (data[1] << 8));
        const std::string written = components::ShortCutToText(raw);
        if (!written.empty() &&
            components::ShortCutToText(components::TextToShortCut(written)) != written) {
            fuzzing::Fail("a shortcut text does not survive its value");
        }
    }
    return 0;
}
