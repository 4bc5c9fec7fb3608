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

constexpr xcb_keysym_t kAlt = 0xFFE9, kEscape = 0xFF1B, kF10 = 0xFFC7, kF12 = 0xFFC9,
                       kReturn = 0xFF0D, kUp = 0xFF52, kRight = 0xFF53, kDown = 0xFF54;
constexpr const char* kListShown = "tray menu -> list shown (ms)";
constexpr int kListStarts = 4;
constexpr int kListsPerStart = 8;

struct Program {
    std::vector<std::string> command;
    xcb_keysym_t hotkey;     // with Alt
    std::string popupTitle;  // the beginning of the popup's title
    std::string windowClass; // part of WM_CLASS
    std::string stamps;      // the bound program appends its start time here
    pid_t pid = 0;
    xcb_window_t icon = 0;
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
    program.icon = x.LastDocked();
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

// The right button on the tray icon, then "Einstellungen", its submenu, over
// "Einstellungsdialog" to "Editieren": its Return -> the list editor's window mapped.
double OpenListOnce(XWatch& x, const Program& program) {
    x.Click(program.icon, 3);
    if (x.WaitMapped("") < 0) {
        return -1;
    }
    Pause(100); // the menu takes the keyboard as it shows
    for (xcb_keysym_t key : {kUp, kUp, kRight}) {
        x.Press({key});
    }
    x.WaitMapped("");
    Pause(100);
    x.Press({kDown});
    const double pressed = NowMs();
    x.Press({kReturn});
    const double shown = x.WaitMapped("Einstellungen");
    Pause(300); // the icons come in after the list
    x.Press({kEscape});
    x.WaitUnmapped();
    return shown < 0 ? -1 : shown - pressed;
}

// The list editor opened from the tray menu, several times after each of a few starts; beside
// an earlier build of the program when one is given, turn by turn.
std::vector<Row> MeasureListShown(XWatch& x, const Program& tippomat, const std::string& earlier) {
    std::vector<Program> programs{tippomat};
    if (!earlier.empty()) {
        programs.push_back(tippomat);
        programs.back().command = {earlier};
    }
    for (int round = 0; round < kListStarts; ++round) {
        for (Program& program : programs) {
            if (!MeasureStart(x, program)) {
                return {};
            }
            Pause(500);
            for (int open = 0; open < kListsPerStart; ++open) {
                const double shown = OpenListOnce(x, program);
                if (shown >= 0) {
                    program.samples[kListShown].push_back(shown);
                }
            }
            Stop(program);
        }
    }
    if (earlier.empty()) {
        programs.push_back(tippomat);
        programs.back().samples[kListShown] = {0};
    }
    return Compare("Linux", programs[0].samples, programs[1].samples, {kListShown});
}

void MeasureIdle(Program& program) {
    program.samples["idle RSS (MiB)"] = {ProcValue(program.pid, "/status", "VmRSS:") / 1024.0};
    program.samples["idle PSS (MiB)"] = {ProcValue(program.pid, "/smaps_rollup", "Pss:") / 1024.0};
}

} // namespace

std::vector<Row> RunLinuxFace(XWatch& x, const std::string& home, const std::string& earlier) {
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
    std::vector<Row> rows = Compare(
        "Linux", tippomat.samples, minimal.samples,
        {"start -> tray icon (ms)", "first press -> popup (ms)", "hotkey -> popup (ms)",
         "key -> started (ms)", "idle RSS (MiB)", "idle PSS (MiB)", "idle wake-ups per minute"});
    const std::vector<Row> list = MeasureListShown(x, tippomat, earlier);
    rows.insert(rows.end(), list.begin(), list.end());
    return rows;
}

} // namespace bench
