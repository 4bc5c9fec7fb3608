// Measures the launcher as a user meets it, side by side with the smallest Qt tray program that
// does the same on the hot path (MinimalTray), in the same X session and turn by turn: program
// start -> tray icon docked, hotkey -> popup mapped (also the first press after a start), key in
// the popup -> bound program started, and idle memory and wake-ups while the popup is hidden.
// Map and dock times come from the X server's own notifications (SubstructureNotify on the
// root window), read as they arrive. Needs Xvfb with a window manager and a tray host
// (bench/run.sh).
#include <xcb/xcb.h>
#include <xcb/xcb_keysyms.h>
#include <xcb/xtest.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <poll.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

constexpr int kStarts = 10;
constexpr int kPresses = 50;
constexpr int kIdleSeconds = 30;
constexpr xcb_keysym_t kAlt = 0xFFE9, kEscape = 0xFF1B, kF10 = 0xFFC7, kF12 = 0xFFC9;

double NowMs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

void Pause(int milliseconds) {
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

struct Program {
    const char* name;
    std::string path;
    std::vector<std::string> arguments;
    xcb_keysym_t hotkey;     // with Alt
    std::string popupTitle;  // the beginning of the popup's title
    std::string windowClass; // part of WM_CLASS
    std::string stamps;      // the bound program appends its start time here
    pid_t pid = 0;
    std::map<std::string, std::vector<double>> samples;
};

class X {
  public:
    X() {
        if (xcb_connection_has_error(connection_) == 0) {
            const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
            xcb_change_window_attributes(connection_, root_, XCB_CW_EVENT_MASK, &mask);
            xcb_flush(connection_);
        }
    }
    bool Usable() const { return xcb_connection_has_error(connection_) == 0; }

    void Press(std::vector<xcb_keysym_t> keys) {
        for (xcb_keysym_t key : keys) {
            Send(XCB_KEY_PRESS, key);
        }
        for (auto key = keys.rbegin(); key != keys.rend(); ++key) {
            Send(XCB_KEY_RELEASE, *key);
        }
        xcb_flush(connection_);
    }

    // Reads the notifications as they arrive, each with its time of arrival, until one
    // satisfies found or the time is up; the time of that one, or -1.
    double WaitFor(const std::function<bool(const xcb_generic_event_t&)>& found, int seconds = 10) {
        const double end = NowMs() + seconds * 1000.0;
        std::vector<std::pair<double, xcb_generic_event_t*>> arrived;
        double result = -1;
        while (result < 0 && NowMs() < end) {
            pollfd wait{xcb_get_file_descriptor(connection_), POLLIN, 0};
            ::poll(&wait, 1, 20);
            while (xcb_generic_event_t* event = xcb_poll_for_event(connection_)) {
                arrived.emplace_back(NowMs(), event);
            }
            // Judging an event asks the server; every time was taken before.
            for (auto& [time, event] : arrived) {
                if (result < 0 && found(*event)) {
                    result = time;
                }
                std::free(event);
            }
            arrived.clear();
        }
        return result;
    }

    std::string Property(xcb_window_t window, xcb_atom_t atom) {
        auto* reply = xcb_get_property_reply(
            connection_,
            xcb_get_property(connection_, 0, window, atom, XCB_GET_PROPERTY_TYPE_ANY, 0, 256),
            nullptr);
        std::string value;
        if (reply != nullptr) {
            value.assign(static_cast<const char*>(xcb_get_property_value(reply)),
                         static_cast<size_t>(xcb_get_property_value_length(reply)));
            std::free(reply);
        }
        return value;
    }

    // The window or one of its children within two levels holds the property text.
    bool Holds(xcb_window_t window, xcb_atom_t atom, const std::string& text, int depth = 2) {
        if (Property(window, atom).find(text) != std::string::npos) {
            return true;
        }
        if (depth == 0) {
            return false;
        }
        auto* tree =
            xcb_query_tree_reply(connection_, xcb_query_tree(connection_, window), nullptr);
        bool held = false;
        if (tree != nullptr) {
            const xcb_window_t* children = xcb_query_tree_children(tree);
            for (int i = 0; i < xcb_query_tree_children_length(tree) && !held; ++i) {
                held = Holds(children[i], atom, text, depth - 1);
            }
            std::free(tree);
        }
        return held;
    }

    xcb_window_t Root() const { return root_; }

  private:
    void Send(std::uint8_t type, xcb_keysym_t keysym) {
        xcb_keycode_t* codes = xcb_key_symbols_get_keycode(symbols_, keysym);
        const xcb_keycode_t code = codes != nullptr ? codes[0] : 0;
        std::free(codes);
        xcb_test_fake_input(connection_, type, code, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
    }

    xcb_connection_t* connection_ = xcb_connect(nullptr, nullptr);
    xcb_window_t root_ = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
    xcb_key_symbols_t* symbols_ = xcb_key_symbols_alloc(connection_);
};

pid_t Spawn(const Program& program) {
    std::vector<char*> argv{const_cast<char*>(program.path.c_str())};
    for (const std::string& argument : program.arguments) {
        argv.push_back(const_cast<char*>(argument.c_str()));
    }
    argv.push_back(nullptr);
    const pid_t pid = fork();
    if (pid == 0) {
        execv(argv[0], argv.data());
        _exit(127);
    }
    return pid;
}

void Stop(Program& program) {
    kill(program.pid, SIGTERM);
    waitpid(program.pid, nullptr, 0);
    program.pid = 0;
    // The server drops a closed connection's grabs and the tray its icon a moment later.
    Pause(300);
}

// Program start -> its tray icon docked: the tray host takes the icon window out of the root.
bool MeasureStart(X& x, Program& program) {
    const double start = NowMs();
    program.pid = Spawn(program);
    const double docked = x.WaitFor([&](const xcb_generic_event_t& event) {
        if ((event.response_type & 0x7F) != XCB_REPARENT_NOTIFY) {
            return false;
        }
        const auto& reparent = reinterpret_cast<const xcb_reparent_notify_event_t&>(event);
        return reparent.event == x.Root() && reparent.parent != x.Root() &&
               x.Property(reparent.window, XCB_ATOM_WM_CLASS).find(program.windowClass) !=
                   std::string::npos &&
               !x.Holds(reparent.window, XCB_ATOM_WM_NAME, program.popupTitle, 0);
    });
    if (docked < 0) {
        return false;
    }
    program.samples["start -> tray icon"].push_back(docked - start);
    return true;
}

// Hotkey -> the popup mapped (or the frame the window manager put it in).
double MeasurePopup(X& x, const Program& program) {
    const double pressed = NowMs();
    x.Press({kAlt, program.hotkey});
    const double mapped = x.WaitFor([&](const xcb_generic_event_t& event) {
        if ((event.response_type & 0x7F) != XCB_MAP_NOTIFY) {
            return false;
        }
        const auto& map = reinterpret_cast<const xcb_map_notify_event_t&>(event);
        return map.event == x.Root() && x.Holds(map.window, XCB_ATOM_WM_NAME, program.popupTitle);
    });
    return mapped < 0 ? -1 : mapped - pressed;
}

void HidePopup(X& x, const Program& program) {
    x.Press({kEscape});
    x.WaitFor(
        [&](const xcb_generic_event_t& event) {
            return (event.response_type & 0x7F) == XCB_UNMAP_NOTIFY &&
                   reinterpret_cast<const xcb_unmap_notify_event_t&>(event).event == x.Root();
        },
        2);
    (void)program;
}

size_t Lines(const std::string& path) {
    std::ifstream in(path);
    return static_cast<size_t>(std::count(std::istreambuf_iterator<char>(in), {}, '\n'));
}

double LastStampMs(const std::string& path) {
    std::ifstream in(path);
    std::string line, last;
    while (std::getline(in, line)) {
        last = line;
    }
    return std::atoll(last.c_str()) / 1e6;
}

// Key "k" in the shown popup -> the bound program's first instruction.
double MeasureLaunch(X& x, const Program& program) {
    if (MeasurePopup(x, program) < 0) {
        return -1;
    }
    // The popup becomes active a moment after it is mapped, before any typist's next key.
    Pause(30);
    const size_t before = Lines(program.stamps);
    const double pressed = NowMs();
    x.Press({'k'});
    const double end = NowMs() + 10000;
    while (Lines(program.stamps) <= before && NowMs() < end) {
        Pause(1);
    }
    if (Lines(program.stamps) <= before) {
        HidePopup(x, program);
        return -1;
    }
    const double started = LastStampMs(program.stamps) - pressed;
    Pause(100); // the popup hides
    return started;
}

long StatusKiB(pid_t pid, const std::string& file, const char* key) {
    std::ifstream status("/proc/" + std::to_string(pid) + file);
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(key, 0) == 0) {
            return std::atol(line.c_str() + std::strlen(key));
        }
    }
    return 0;
}

// Context switches of every thread: threads may come and go while we measure.
std::map<std::string, long> WakeUps(pid_t pid) {
    std::map<std::string, long> counts;
    std::error_code ignored;
    for (const auto& task :
         std::filesystem::directory_iterator("/proc/" + std::to_string(pid) + "/task", ignored)) {
        const std::string name = "/task/" + task.path().filename().string() + "/status";
        counts[name] = StatusKiB(pid, name, "voluntary_ctxt_switches:") +
                       StatusKiB(pid, name, "nonvoluntary_ctxt_switches:");
    }
    return counts;
}

void MeasureIdle(std::vector<Program*> programs) {
    std::map<pid_t, std::map<std::string, long>> before;
    for (Program* program : programs) {
        before[program->pid] = WakeUps(program->pid);
    }
    std::this_thread::sleep_for(std::chrono::seconds(kIdleSeconds));
    for (Program* program : programs) {
        long woken = 0;
        for (const auto& [thread, count] : WakeUps(program->pid)) {
            const auto earlier = before[program->pid].find(thread);
            woken += count - (earlier != before[program->pid].end() ? earlier->second : 0);
        }
        program->samples["idle RSS (MiB)"] = {StatusKiB(program->pid, "/status", "VmRSS:") /
                                              1024.0};
        program->samples["idle PSS (MiB)"] = {StatusKiB(program->pid, "/smaps_rollup", "Pss:") /
                                              1024.0};
        program->samples["idle wake-ups per minute"] = {woken * 60.0 / kIdleSeconds};
    }
}

double Median(std::vector<double> values) {
    if (values.empty()) {
        return -1;
    }
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void Report(const Program& subject, const Program& yardstick) {
    std::printf("\n%-28s %12s %12s %7s %5s\n", "median of", subject.name, yardstick.name, "ratio",
                "n");
    for (const char* figure :
         {"start -> tray icon", "first press -> popup", "hotkey -> popup", "key -> started",
          "idle RSS (MiB)", "idle PSS (MiB)", "idle wake-ups per minute"}) {
        const auto own = subject.samples.find(figure);
        const auto other = yardstick.samples.find(figure);
        if (own == subject.samples.end() || other == yardstick.samples.end()) {
            continue;
        }
        const double a = Median(own->second);
        const double b = Median(other->second);
        std::printf("%-28s %12.2f %12.2f %7.2f %5zu\n", figure, a, b, b > 0 ? a / b : 0.0,
                    own->second.size());
    }
}

} // namespace

int main() {
    X x;
    if (!x.Usable()) {
        std::fprintf(stderr, "no X server\n");
        return 1;
    }
    const std::string home =
        std::filesystem::temp_directory_path() / ("tippomat-bench-" + std::to_string(getpid()));
    std::filesystem::create_directories(home + "/.config/Orvanta/Tippomat");
    setenv("HOME", home.c_str(), 1);
    setenv("XDG_CONFIG_HOME", (home + "/.config").c_str(), 1);

    Program tippomat{"Tippomat",
                     TIPPOMAT_PROGRAM,
                     {},
                     kF12,
                     "Start als User",
                     "Tippomat",
                     home + "/tippomat-stamps.txt"};
    Program minimal{"minimal Qt",
                    BENCH_MINIMAL_TRAY,
                    {BENCH_STAMP, home + "/minimal-stamps.txt"},
                    kF10,
                    "Start als Referenz",
                    "bench_minimal_tray",
                    home + "/minimal-stamps.txt"};
    std::ofstream(home + "/.config/Orvanta/Tippomat/Tippomat.ini")
        << "[Buchstaben]\r\nK=" << BENCH_STAMP << "\r\nPK=" << tippomat.stamps << "\r\n";

    for (int round = 0; round < kStarts; ++round) {
        for (Program* program : {&tippomat, &minimal}) {
            if (!MeasureStart(x, *program)) {
                std::fprintf(stderr, "%s: no tray icon\n", program->name);
                return 1;
            }
            Pause(200); // the hotkey is registered right after the icon is asked for
            const double first = MeasurePopup(x, *program);
            if (first >= 0) {
                program->samples["first press -> popup"].push_back(first);
            }
            HidePopup(x, *program);
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
                program->samples["hotkey -> popup"].push_back(popup);
            }
            HidePopup(x, *program);
            const double launch = MeasureLaunch(x, *program);
            if (launch >= 0) {
                program->samples["key -> started"].push_back(launch);
            }
        }
    }
    // Start notices go, and Qt's pooled helper threads end after 30 s without work.
    Pause(40000);
    MeasureIdle({&tippomat, &minimal});
    std::printf("Benchmark: %d starts and %d presses each, turn by turn, on one X server "
                "(times in ms)",
                kStarts, kPresses);
    Report(tippomat, minimal);
    Stop(tippomat);
    Stop(minimal);
    std::filesystem::remove_all(home);
    return 0;
}
