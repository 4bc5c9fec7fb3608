// Any text as the signature file beside the archive, over any archive: read as hex without
// harm, and never taken for the release key's signature.
#include "fuzz/FuzzSupport.h"
#include "integration/Signature.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::string key = *integration::FromHex(
        "04ed94ae66f10e5a1ec271fcd59ee3d9e2bfaceddef0b88552628c1844d57e5a88cb5070f6c9af54f7a10a01f5"
        "fd8d397cb280b83158589f6cc9c6bd46e37fd6b2");
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const size_t end = input.find('\n');
    const std::string_view file = input.substr(0, end);
    const std::string_view archive = end == std::string_view::npos ? "" : input.substr(end + 1);
    const std::optional<std::string> signature = integration::FromHex(file);
    const size_t digits = file.find_last_not_of(" \r\n") + 1; // 0 when there are none
    if (signature && signature->size() * 2 != digits) {
        fuzzing::Fail("hex read to the wrong length");
    }
    if (signature && integration::VerifySignature(archive, *signature, key)) {
        fuzzing::Fail("a signature nobody made was accepted");
    }
    return 0;
}
