// Any bytes as an INI file, in any encoding (the seeds carry every byte-order mark): reading
// and loading the launch table never fail, and what a save writes reads back as it was written.
#include "config/IniFile.h"
#include "config/LaunchTable.h"
#include "fuzz/FuzzSupport.h"

#include <cstddef>
#include <cstdint>

namespace {

bool SameSlots(const config::LaunchTable& a, const config::LaunchTable& b) {
    for (int index = 0; index < config::kSlotCount; ++index) {
        const config::LaunchSlot& x = a.Slot(index);
        const config::LaunchSlot& y = b.Slot(index);
        if (x.Path != y.Path || x.WorkDir != y.WorkDir || x.Params != y.Params) {
            return false;
        }
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string path = fuzzing::ScratchPath("Runner.ini");
    fuzzing::WriteScratch(path, {reinterpret_cast<const char*>(data), size});

    config::IniFile ini(path);
    ini.ReadInteger("Farben", "Farbe1", 0);
    ini.ReadFloat("EinstellungenHaupt", "blinkfrequenz", 200);
    config::LaunchTable portable;
    config::LoadLaunchTable(portable, {path, "E:"});
    config::LaunchTable table;
    config::LoadLaunchTable(table, {path, ""});

    const std::string text = ini.Text();
    if (!ini.UpdateFile()) {
        fuzzing::Fail("rewrite failed");
    }
    if (config::IniFile(path).Text() != text) {
        fuzzing::Fail("a rewritten file reads back as other text");
    }
    if (!config::SaveLaunchTable(table, {path, ""})) {
        fuzzing::Fail("save failed");
    }
    config::LaunchTable again;
    config::LoadLaunchTable(again, {path, ""});
    if (!SameSlots(table, again)) {
        fuzzing::Fail("a saved table loads back changed");
    }
    return 0;
}
