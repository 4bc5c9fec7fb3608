// Any text as the update server's version file: a number only when the text begins with digits
// and at most one comma, and then the number those characters write.
#include "fuzz/FuzzSupport.h"
#include "integration/Version.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::optional<double> number = integration::ParseVersionFile(text);
    const size_t run = text.find_first_not_of("0123456789,");
    const std::string_view lead = text.substr(0, run);
    const bool readable = lead.find_first_of("0123456789") != std::string_view::npos &&
                          lead.find(',') == lead.rfind(',');
    if (number.has_value() && !readable) {
        fuzzing::Fail("a number from a text that writes none");
    }
    if (number.has_value() && (!std::isfinite(*number) || *number < 0)) {
        fuzzing::Fail("not a version number");
    }
    if (number.has_value() && lead.find(',') == std::string_view::npos && lead.size() < 10 &&
        *number != std::stod(std::string(lead))) {
        fuzzing::Fail("whole number read wrongly");
    }
    return 0;
}
