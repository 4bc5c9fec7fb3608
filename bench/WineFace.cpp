// Tippomat.exe measured as a user meets it under Wine, side by side with bench_minimal_tray.exe,
// the smallest Win32 tray program that does the same on the hot path, turn by turn in one Wine
// session and on one X server. Times are taken as on Linux from the X server's notifications:
// the tray host taking Wine's icon window (which explorer.exe, Wine's tray, owns) and the
// popup's frame mapped. Keys go in through SendInput, from bench_driver.exe inside the session;
// the key -> started time is counted on the performance counter there, which the bound program
// stamps with. Memory is asked of Windows (GetProcessMemoryInfo, VirtualQueryEx); wake-ups are
// the context switches of the Wine process's threads, read from /proc.
#include "Faces.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sys/types.h>
#include <unistd.h>

namespace bench {

namespace {

constexpr const char* kEscape = "1B";
constexpr const char* kK = "4B";

std::string WindowsPath(std::string path) {
    for (char& c : path) {
        c = c == '/' ? '\\' : c;
    }
    return "Z:" + path;
}

// bench_driver.exe, answering one line for each line asked.
class Driver {
  public:
    Driver(const std::string& wine, const std::string& program) {
        int toDriver[2], fromDriver[2];
        if (pipe(toDriver) != 0 || pipe(fromDriver) != 0) {
            return;
        }
        pid_ = fork();
        if (pid_ == 0) {
            dup2(toDriver[0], 0);
            dup2(fromDriver[1], 1);
            for (int end : {toDriver[0], toDriver[1], fromDriver[0], fromDriver[1]}) {
                close(end);
            }
            execl(wine.c_str(), wine.c_str(), program.c_str(), static_cast<char*>(nullptr));
            _exit(127);
        }
        close(toDriver[0]);
        close(fromDriver[1]);
        in_ = fdopen(toDriver[1], "w");
        out_ = fdopen(fromDriver[0], "r");
    }
    ~Driver() {
        if (in_ != nullptr) {
            std::fclose(in_);
            std::fclose(out_);
            Reaped(pid_, 5);
        }
    }
    Driver(const Driver&) = delete;
    Driver& operator=(const Driver&) = delete;

    std::string Ask(const std::string& command) {
        if (in_ == nullptr) {
            return "";
        }
        std::fprintf(in_, "%s\n", command.c_str());
        std::fflush(in_);
        char line[256] = {};
        if (std::fgets(line, sizeof line, out_) == nullptr) {
            return "";
        }
        std::string answer(line);
        while (!answer.empty() && (answer.back() == '\n' || answer.back() == '\r')) {
            answer.pop_back();
        }
        return answer;
    }

  private:
    pid_t pid_ = -1;
    FILE* in_ = nullptr;
    FILE* out_ = nullptr;
};

struct Program {
    std::string file;
    std::vector<std::string> arguments;
    std::string hotkey;     // the virtual key, with Alt
    std::string popupTitle; // the beginning of the popup's title
    std::string stamps;     // the bound program appends its start time here
    pid_t pid = 0;          // of the Wine process
    Figures samples;
    std::string Name() const { return std::filesystem::path(file).filename().string(); }
};

class WineBench {
  public:
    WineBench(XWatch& x, const std::string& wine, const std::string& driver)
        : x_(x), wine_(wine), driver_(wine, driver) {
        frequency_ = std::atof(driver_.Ask("frequency").c_str());
    }
    bool Ready() const { return frequency_ > 0; }
    Driver& Hands() { return driver_; }

    // Now and then Wine's tray never takes a start's icon (once in nine runs, right after a
    // build, the minimal program's, which adds its icon only once): that start is ended and made
    // again, once, and the second one counts.
    bool MeasureStart(Program& program) {
        std::vector<std::string> command{wine_, program.file};
        command.insert(command.end(), program.arguments.begin(), program.arguments.end());
        for (int attempt = 0; attempt < 2; ++attempt) {
            const double start = NowMs();
            program.pid = Spawn(command);
            const double docked = x_.WaitDocked("explorer.exe", program.popupTitle);
            if (docked >= 0) {
                program.samples["start -> tray icon (ms)"].push_back(docked - start);
                return true;
            }
            Stop(program);
        }
        return false;
    }

    void Stop(Program& program) {
        driver_.Ask("close " + program.Name());
        if (!Reaped(program.pid, 5)) {
            bench::Stop(program.pid);
        }
        program.pid = 0;
        // The tray drops the icon a moment later.
        Pause(300);
    }

    double MeasurePopup(const Program& program) {
        const double pressed = NowMs();
        driver_.Ask("hotkey " + program.hotkey);
        const double mapped = x_.WaitMapped(program.popupTitle);
        return mapped < 0 ? -1 : mapped - pressed;
    }

    void HidePopup(const Program& program) {
        driver_.Ask(std::string("key ") + kEscape + " " + program.popupTitle);
        x_.WaitUnmapped();
    }

    // Key "k" in the shown popup, once it is the foreground window -> the bound program's first
    // instruction.
    double MeasureLaunch(const Program& program) {
        if (MeasurePopup(program) < 0) {
            return -1;
        }
        const size_t before = Lines(program.stamps);
        const long long pressed =
            std::atoll(driver_.Ask(std::string("key ") + kK + " " + program.popupTitle).c_str());
        if (pressed < 0 || !Grew(program.stamps, before)) {
            HidePopup(program);
            return -1;
        }
        x_.WaitUnmapped();
        return (LastNumber(program.stamps) - pressed) * 1000.0 / frequency_;
    }

    void MeasureMemory(Program& program) {
        const std::string answer = driver_.Ask("memory " + program.Name());
        char* rest = nullptr;
        const double workingSet = std::strtod(answer.c_str(), &rest);
        const double privateBytes = std::strtod(rest, nullptr);
        program.samples["idle working set (MiB)"] = {workingSet / 1048576.0};
        program.samples["idle private bytes (MiB)"] = {privateBytes / 1048576.0};
    }

  private:
    XWatch& x_;
    std::string wine_;
    Driver driver_;
    double frequency_ = 0;
};

} // namespace

std::vector<Row> RunWindowsFace(XWatch& x, const std::string& home, const std::string& programs,
                                const std::string& wine) {
    const std::string bench = programs + "/bench";
    const std::string stamp = WindowsPath(bench + "/bench_stamp.exe");
    Program tippomat{programs + "/src/Tippomat.exe",
                     {},
                     "7B",
                     "Start als User",
                     home + "/win-tippomat-stamps.txt"};
    Program minimal{bench + "/bench_minimal_tray.exe",
                    {stamp, WindowsPath(home + "/win-minimal-stamps.txt")},
                    "78",
                    "Start als Referenz",
                    home + "/win-minimal-stamps.txt"};
    WineBench wineBench(x, wine, bench + "/bench_driver.exe");
    if (!wineBench.Ready()) {
        std::fprintf(stderr, "Windows: bench_driver.exe does not answer\n");
        return {};
    }
    wineBench.Hands().Ask("bind " + stamp + " " + WindowsPath(tippomat.stamps));

    for (int round = 0; round < kStarts; ++round) {
        for (Program* program : {&tippomat, &minimal}) {
            if (!wineBench.MeasureStart(*program)) {
                std::fprintf(stderr, "Windows: %s: no tray icon\n", program->Name().c_str());
                return {};
            }
            Pause(200); // the hotkey is registered right after the icon is asked for
            const double first = wineBench.MeasurePopup(*program);
            if (first >= 0) {
                program->samples["first press -> popup (ms)"].push_back(first);
            }
            wineBench.HidePopup(*program);
            if (round + 1 < kStarts) {
                wineBench.Stop(*program);
            }
        }
    }
    Pause(1000);
    for (int round = 0; round < kPresses; ++round) {
        for (Program* program : {&tippomat, &minimal}) {
            const double popup = wineBench.MeasurePopup(*program);
            if (popup >= 0) {
                program->samples["hotkey -> popup (ms)"].push_back(popup);
            }
            wineBench.HidePopup(*program);
            const double launch = wineBench.MeasureLaunch(*program);
            if (launch >= 0) {
                program->samples["key -> started (ms)"].push_back(launch);
            }
        }
    }
    // The start notices go.
    Pause(15000);
    for (Program* program : {&tippomat, &minimal}) {
        wineBench.MeasureMemory(*program);
    }
    const std::vector<double> wakeUps = WakeUpsPerMinute({tippomat.pid, minimal.pid});
    tippomat.samples["idle wake-ups per minute"] = {wakeUps[0]};
    minimal.samples["idle wake-ups per minute"] = {wakeUps[1]};
    for (Program* program : {&tippomat, &minimal}) {
        program->samples["file size (KiB)"] = {
            static_cast<double>(std::filesystem::file_size(program->file)) / 1024.0};
        wineBench.Stop(*program);
    }
    return Compare("Windows", tippomat.samples, minimal.samples,
                   {"start -> tray icon (ms)", "first press -> popup (ms)", "hotkey -> popup (ms)",
                    "key -> started (ms)", "idle working set (MiB)", "idle private bytes (MiB)",
                    "idle wake-ups per minute", "file size (KiB)"});
}

} // namespace bench
