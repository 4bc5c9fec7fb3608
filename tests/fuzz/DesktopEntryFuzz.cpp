// Any words as a desktop entry's command: the Exec value read back by the desktop-entry rules
// gives exactly these words.
#include "fuzz/FuzzSupport.h"
#include "integration/DesktopEntry.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // A zero byte separates the words; the file format has no way to hold one.
    std::vector<std::string> command(1);
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == 0) {
            command.emplace_back();
        } else {
            command.back() += static_cast<char>(data[i]);
        }
    }
    const std::string exec = integration::ExecValue(command);
    if (exec.find('\n') != std::string::npos) {
        fuzzing::Fail("a line break in the Exec value");
    }
    if (integration::ParseExecValue(exec) != command) {
        fuzzing::Fail("the Exec value does not give back the command");
    }
    return 0;
}
