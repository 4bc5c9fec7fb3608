// The Linux program measured as a user meets it, side by side with MinimalTray, the smallest Qt
// tray program that does the same on the hot path: program start -> tray icon docked, hotkey ->
// popup mapped (also the first press after a start), key in the popup -> bound program started,
// and idle memory and wake-ups while the popup is hidden. Keys go in through XTEST.
#include "Faces.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sys/types.h>

namespace bench {

namespace {

constexpr xcb_keysym_t kAlt = 0xFFE9, kEscape = 0xFF1B, kF10 = 0xFFC7, kF12 = 0xFFC9;

struct Program {
    std::vector<std::string> command;
    xcb_keysym_t hotkey;     // with Alt
    std::string popupTitle;  // the beginning of the popup's title
    std::string windowClass; // part of WM_CLASS
    std::string stamps;      // the bound program appends its start time here
    pid_t pid = 0;
    Figures samples;
};

void Stop(Program& program) {
    bench::Stop(program.pid);
    program.pid = 0;
    // The server drops a closed connection's grabs and the tray its icon a moment later.
    Pause(300);
}

bool MeasureStart(XWatch& x, Program& program) {
    const double start = NowMs();
    program.pid = Spawn(program.command);
    const double docked = x.WaitDocked(program.windowClass, program.popupTitle);
    if (docked < 0) {
        return false;
    }
    program.samples["start -> tray icon (ms)"].push_back(docked - start);
    return true;
}

double MeasurePopup(XWatch& x, const Program& program) {
    const double pressed = NowMs();
    x.Press({kAlt, program.hotkey});
    const double mapped = x.WaitMapped(program.popupTitle);
    return mapped < 0 ? -1 : mapped - pressed;
}

void HidePopup(XWatch& x) {
    x.Press({kEscape});
    x.WaitUnmapped();
}

// Key "k" in the shown popup -> the bound program's first instruction.
double MeasureLaunch(XWatch& x, const Program& program) {
    if (MeasurePopup(x, program) < 0) {
        return -1;
    }
    // The popup becomes active a moment after it is mapped, before any typist's next key.
    Pause(30);
    const size_t before = Lines(program.stamps);
    const double pressed = NowMs();
    x.Press({'k'});
    if (!Grew(program.stamps, before)) {
        HidePopup(x);
        return -1;
    }
    const double started = LastNumber(program.stamps) / 1e6 - pressed;
    x.WaitUnmapped();
    return started;
}

void MeasureIdle(Program& program) {
    program.samples["idle RSS (MiB)"] = {ProcValue(program.pid, "/status", "VmRSS:") / 1024.0};
    program.samples["idle PSS (MiB)"] = {ProcValue(program.pid, "/smaps_rollup", "Pss:") / 1024.0};
}

} // namespace

std::vector<Row> RunLinuxFace(XWatch& x, const std::string& home) {
    std::filesystem::create_directories(home + "/.config/Orvanta/Tippomat");
    setenv("HOME", home.c_str(), 1);
    setenv("XDG_CONFIG_HOME", (home + "/.config").c_str(), 1);

    Program tippomat{
        {TIPPOMAT_PROGRAM}, kF12, "Start als User", "Tippomat", home + "/tippomat-stamps.txt"};
    const std::string minimalStamps = home + "/minimal-stamps.txt";
    Program minimal{{BENCH_MINIMAL_TRAY, BENCH_STAMP, minimalStamps},
                    kF10,
                    "Start als Referenz",
                    "bench_minimal_tray",
                    minimalStamps};
    std::ofstream(home + "/.config/Orvanta/Tippomat/Tippomat.ini")
        << "[Buchstaben]\r\nK=" << BENCH_STAMP << "\r\nPK=" << tippomat.stamps << "\r\n";

    for (int round = 0; round < kStarts; ++round) {
        for (Program* program : {&tippomat, &minimal}) {
            if (!MeasureStart(x, *program)) {
                std::fprintf(stderr, "Linux: %s: no tray icon\n", program->command[0].c_str());
                return {};
            }
            Pause(200); // the hotkey is registered right after the icon is asked for
            const double first = MeasurePopup(x, *program);
            if (first >= 0) {
                program->samples["first press -> popup (ms)"].push_back(first);
            }
            HidePopup(x);
            if (round + 1 < kStarts) {
                Stop(*program);
            }
        }
    }
    Pause(1000);
    for (int round = 0; round < kPresses; ++round) {
        for (Program* program : {&tippomat, &minimal}) {
            const double popup = MeasurePopup(x, *program);
            if (popup >= 0) {
                program->samples["hotkey -> popup (ms)"].push_back(popup);
            }
            HidePopup(x);
            const double launch = MeasureLaunch(x, *program);
            if (launch >= 0) {
                program->samples["key -> started (ms)"].push_back(launch);
            }
        }
    }
    // Start notices go, and Qt's pooled helper threads end after 30 s without work.
    Pause(40000);
    for (Program* program : {&tippomat, &minimal}) {
        MeasureIdle(*program);
    }
    const std::vector<double> wakeUps = WakeUpsPerMinute({tippomat.pid, minimal.pid});
    tippomat.samples["idle wake-ups per minute"] = {wakeUps[0]};
    minimal.samples["idle wake-ups per minute"] = {wakeUps[1]};
    Stop(tippomat);
    Stop(minimal);
    return Compare("Linux", tippomat.samples, minimal.samples,
                   {"start -> tray icon (ms)", "first press -> popup (ms)", "hotkey -> popup (ms)",
                    "key -> started (ms)", "idle RSS (MiB)", "idle PSS (MiB)",
                    "idle wake-ups per minute"});
}

} // namespace bench
