// Any bytes as the INI file and its backup: restoring and storing dialog state never fail, the
// stored state reads back, and window bounds always land on the screen.
#include "config/FormStateFile.h"
#include "fuzz/FuzzSupport.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdio>

namespace {

bool OnScreen(const config::WindowBounds& b, int width, int height) {
    return b.width >= 32 && b.width <= width - 32 && b.height >= 32 && b.height <= height - 32 &&
           b.left >= 0 && b.left <= width - 32 && b.top >= 0 && b.top <= height - 32;
}

bool Same(const config::WindowBounds& a, const config::WindowBounds& b) {
    return a.width == b.width && a.height == b.height && a.left == b.left && a.top == b.top;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const int screenWidth = input.ConsumeIntegralInRange(64, 20000);
    const int screenHeight = input.ConsumeIntegralInRange(64, 20000);
    const config::WindowBounds current{input.ConsumeIntegral<int>(), input.ConsumeIntegral<int>(),
                                       input.ConsumeIntegral<int>(), input.ConsumeIntegral<int>()};
    const bool withBackup = input.ConsumeBool();
    const std::string backup = input.ConsumeRandomLengthString(4096);

    const std::string path = fuzzing::ScratchPath("Runner.ini");
    fuzzing::WriteScratch(path, input.ConsumeRemainingBytesAsString());
    if (withBackup) {
        fuzzing::WriteScratch(config::BackupPathFor(path), backup);
    } else {
        std::remove(config::BackupPathFor(path).c_str());
    }

    const config::FormStateSource source = config::OpenFormStateForLoad(path, "Hauptformular");
    source.ini.ReadString("Hauptformular", "kuerzel", "Alt+F12");
    const config::WindowBounds bounds =
        config::LoadWindowBounds(path, "main", current, screenWidth, screenHeight);
    if (!OnScreen(bounds, screenWidth, screenHeight)) {
        fuzzing::Fail("window bounds off the screen");
    }

    config::IniFile store = config::OpenFormStateForSave(path, "Hauptformular");
    store.WriteString("Hauptformular", "kuerzel", "Umsch+Strg+K");
    if (!store.UpdateFile() || !config::SaveWindowBounds(path, "main", bounds)) {
        fuzzing::Fail("store failed");
    }
    const config::FormStateSource stored = config::OpenFormStateForLoad(path, "Hauptformular");
    if (!stored.present ||
        stored.ini.ReadString("Hauptformular", "kuerzel", "") != "Umsch+Strg+K") {
        fuzzing::Fail("stored dialog state does not read back");
    }
    const config::WindowBounds reread =
        config::LoadWindowBounds(path, "main", current, screenWidth, screenHeight);
    if (!Same(reread, bounds)) {
        fuzzing::Fail("stored window bounds do not read back");
    }
    return 0;
}
