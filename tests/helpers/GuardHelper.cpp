// A program that takes part in the single-instance hand-over, for the guard tests.
// Usage: guard_helper MARKFILE ALLOW SECONDS [WORDS...]
//   ALLOW 1 lets new copies run, 0 refuses them, "crash" ends without removing the guard.
// It appends "ready <pid>", and for each hand-over "pid=<id>" and "word=<w>" lines, to MARKFILE;
// it exits with 0 when a running copy stopped it and 3 after SECONDS of running. With
// TIPPOMAT_START_GATE set it appends "waiting" and waits until that file exists, so that copies
// can start together.
#include "components/InstanceCheck.h"
#include "components/OneInstance.h"
#include "helpers/GuardLoop.h"
#include "platform/FileSystem.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>

namespace {

void Append(const char* file, const std::string& text) {
    if (FILE* out = std::fopen(file, "ab")) {
        std::fputs(text.c_str(), out);
        std::fclose(out);
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        return 2;
    }
    const char* mark = argv[1];
    const std::string mode = argv[2];
    if (const char* gate = std::getenv("TIPPOMAT_START_GATE"); gate != nullptr && *gate != 0) {
        Append(mark, "waiting\n");
        while (!platform::FileExists(gate)) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    }
    if (!components::OneInstanceStartup()) {
        return 0;
    }
    if (mode == "crash") {
        std::_Exit(5);
    }
    components::InstallInstanceCheckHook();
    components::TInstanceCheck check([mark] { Append(mark, "front\n"); });
    check.OnNewInstance = [mark, mode](components::TInstanceCheck&, std::uint32_t id,
                                       const std::vector<std::string>& params, bool& allow) {
        std::string text = "pid=" + std::to_string(id) + "\n";
        for (const std::string& word : params) {
            text += "word=" + word + "\n";
        }
        Append(mark, text);
        allow = mode == "1";
    };
    Append(mark, "ready " + std::to_string(testing_support::OwnProcessId()) + "\n");
    testing_support::RunGuardLoop(std::atoi(argv[3]));
    components::OneInstanceShutdown();
    return 3;
}
