// Measures the program as a user meets it: hotkey press -> popup mapped, key press -> bound
// program started, program start -> tray icon shown, and idle memory and wake-ups while the
// popup is hidden. Needs an X server with a window manager and a tray host (bench/run.sh).
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
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kRounds = 50;
constexpr int kIdleSeconds = 30;

long long MonotonicNanoseconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

struct X {
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    xcb_key_symbols_t* symbols = xcb_key_symbols_alloc(connection);

    xcb_keycode_t Code(xcb_keysym_t keysym) {
        xcb_keycode_t* codes = xcb_key_symbols_get_keycode(symbols, keysym);
        const xcb_keycode_t code = codes != nullptr ? codes[0] : 0;
        std::free(codes);
        return code;
    }
    void Key(std::uint8_t type, xcb_keysym_t keysym) {
        xcb_test_fake_input(connection, type, Code(keysym), XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
    }
    void Press(std::vector<xcb_keysym_t> keys) {
        for (xcb_keysym_t key : keys) {
            Key(XCB_KEY_PRESS, key);
        }
        for (auto key = keys.rbegin(); key != keys.rend(); ++key) {
            Key(XCB_KEY_RELEASE, *key);
        }
        xcb_flush(connection);
    }
    std::string Property(xcb_window_t window, xcb_atom_t atom) {
        auto* reply = xcb_get_property_reply(
            connection,
            xcb_get_property(connection, 0, window, atom, XCB_GET_PROPERTY_TYPE_ANY, 0, 256),
            nullptr);
        std::string value;
        if (reply != nullptr) {
            value.assign(static_cast<const char*>(xcb_get_property_value(reply)),
                         static_cast<size_t>(xcb_get_property_value_length(reply)));
            std::free(reply);
        }
        return value;
    }
    bool Viewable(xcb_window_t window) {
        auto* reply = xcb_get_window_attributes_reply(
            connection, xcb_get_window_attributes(connection, window), nullptr);
        const bool viewable = reply != nullptr && reply->map_state == XCB_MAP_STATE_VIEWABLE;
        std::free(reply);
        return viewable;
    }
    // A viewable window (at any depth) that matches.
    xcb_window_t Find(xcb_window_t parent, const std::function<bool(xcb_window_t)>& matches) {
        auto* tree = xcb_query_tree_reply(connection, xcb_query_tree(connection, parent), nullptr);
        if (tree == nullptr) {
            return XCB_NONE;
        }
        const xcb_window_t* children = xcb_query_tree_children(tree);
        xcb_window_t found = XCB_NONE;
        for (int i = 0; i < xcb_query_tree_children_length(tree) && found == XCB_NONE; ++i) {
            if (matches(children[i]) && Viewable(children[i])) {
                found = children[i];
            } else {
                found = Find(children[i], matches);
            }
        }
        std::free(tree);
        return found;
    }
};

bool WaitFor(const std::function<bool()>& condition, int seconds = 10) {
    const auto end = Clock::now() + std::chrono::seconds(seconds);
    while (!condition()) {
        if (Clock::now() > end) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
    return true;
}

pid_t Spawn(const std::string& program) {
    const pid_t pid = fork();
    if (pid == 0) {
        execl(program.c_str(), program.c_str(), nullptr);
        _exit(127);
    }
    return pid;
}

void Stop(pid_t pid) {
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
}

struct Stats {
    std::vector<double> values;
    void Print(const char* what) {
        std::sort(values.begin(), values.end());
        if (values.empty()) {
            std::printf("%-36s no samples\n", what);
            return;
        }
        const auto at = [&](double q) {
            return values[static_cast<size_t>(q * (values.size() - 1))];
        };
        std::printf("%-36s n=%zu  median %.2f ms  p95 %.2f ms  max %.2f ms\n", what, values.size(),
                    at(0.5), at(0.95), values.back());
    }
};

// Resident memory in KiB and the wake-ups (context switches of all threads) so far.
long StatusValue(pid_t pid, const std::string& task, const char* key) {
    std::ifstream status("/proc/" + std::to_string(pid) + task + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(key, 0) == 0) {
            return std::atol(line.c_str() + std::strlen(key));
        }
    }
    return 0;
}

// Context switches per thread: threads may end or begin while we measure.
std::map<std::string, long> WakeUps(pid_t pid) {
    std::map<std::string, long> counts;
    for (const auto& task :
         std::filesystem::directory_iterator("/proc/" + std::to_string(pid) + "/task")) {
        const std::string name = "/task/" + task.path().filename().string();
        counts[name] = StatusValue(pid, name, "voluntary_ctxt_switches:") +
                       StatusValue(pid, name, "nonvoluntary_ctxt_switches:");
    }
    return counts;
}

// After a pause long enough for a start notice to have gone.
void MeasureIdle(const char* what, pid_t pid) {
    std::this_thread::sleep_for(std::chrono::seconds(15));
    const std::map<std::string, long> before = WakeUps(pid);
    std::this_thread::sleep_for(std::chrono::seconds(kIdleSeconds));
    long woken = 0;
    for (const auto& [thread, count] : WakeUps(pid)) {
        const auto earlier = before.find(thread);
        woken += count - (earlier != before.end() ? earlier->second : 0);
    }
    std::printf("%-36s RSS %ld KiB  wake-ups %.1f per minute\n", what,
                StatusValue(pid, "", "VmRSS:"), woken * 60.0 / kIdleSeconds);
}

size_t Lines(const std::string& path) {
    std::ifstream in(path);
    return static_cast<size_t>(std::count(std::istreambuf_iterator<char>(in), {}, '\n'));
}

long long LastLine(const std::string& path) {
    std::ifstream in(path);
    std::string line, last;
    while (std::getline(in, line)) {
        last = line;
    }
    return std::atoll(last.c_str());
}

} // namespace

int main() {
    X x;
    if (xcb_connection_has_error(x.connection)) {
        std::fprintf(stderr, "no X server\n");
        return 1;
    }
    const std::string home =
        std::filesystem::temp_directory_path() / ("tippomat-bench-" + std::to_string(getpid()));
    const std::string stamps = home + "/stamps.txt";
    std::filesystem::create_directories(home + "/.config/Orvanta/Tippomat");
    std::ofstream(home + "/.config/Orvanta/Tippomat/Tippomat.ini")
        << "[Buchstaben]\r\nK=" << BENCH_STAMP << "\r\nPK=" << stamps << "\r\n";
    setenv("HOME", home.c_str(), 1);
    setenv("XDG_CONFIG_HOME", (home + "/.config").c_str(), 1);

    const auto isProgram = [&](xcb_window_t w) {
        return x.Property(w, XCB_ATOM_WM_CLASS).find("Tippomat") != std::string::npos;
    };
    const auto isPopup = [&](xcb_window_t w) {
        return x.Property(w, XCB_ATOM_WM_NAME).rfind("Start als", 0) == 0;
    };

    const pid_t minimal = Spawn(BENCH_MINIMAL_QT);
    MeasureIdle("minimal Qt Widgets program, idle:", minimal);
    Stop(minimal);

    Stats startup, popup, launch;
    pid_t program = 0;
    for (int round = 0; round < 5; ++round) {
        const auto start = Clock::now();
        program = Spawn(TIPPOMAT_PROGRAM);
        if (!WaitFor([&] { return x.Find(x.root, isProgram) != XCB_NONE; })) {
            std::fprintf(stderr, "no tray icon\n");
            return 1;
        }
        startup.values.push_back(
            std::chrono::duration<double, std::milli>(Clock::now() - start).count());
        if (round < 4) {
            Stop(program);
            // The server releases the hotkey grabs once it has seen the connection close.
            WaitFor([&] { return x.Find(x.root, isProgram) == XCB_NONE; });
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
    }

    // The hotkeys are registered a moment after the tray icon shows.
    std::this_thread::sleep_for(std::chrono::seconds(1));
    constexpr xcb_keysym_t kAlt = 0xFFE9, kF12 = 0xFFC9, kEscape = 0xFF1B;
    for (int round = 0; round < kRounds; ++round) {
        const auto start = Clock::now();
        x.Press({kAlt, kF12});
        if (!WaitFor([&] { return x.Find(x.root, isPopup) != XCB_NONE; })) {
            std::fprintf(stderr, "popup did not show\n");
            break;
        }
        popup.values.push_back(
            std::chrono::duration<double, std::milli>(Clock::now() - start).count());
        x.Press({kEscape});
        WaitFor([&] { return x.Find(x.root, isPopup) == XCB_NONE; });
    }
    for (int round = 0; round < kRounds; ++round) {
        x.Press({kAlt, kF12});
        WaitFor([&] { return x.Find(x.root, isPopup) != XCB_NONE; });
        // What is measured starts at the key: give the popup the moment it takes to become
        // active after it is mapped, as any typist does.
        std::this_thread::sleep_for(std::chrono::milliseconds(30));
        const size_t before = Lines(stamps);
        const long long pressed = MonotonicNanoseconds();
        x.Press({'k'});
        if (!WaitFor([&] { return Lines(stamps) > before; })) {
            std::fprintf(stderr, "bound program did not start\n");
            x.Press({kEscape});
            break;
        }
        launch.values.push_back((LastLine(stamps) - pressed) / 1e6);
        WaitFor([&] { return x.Find(x.root, isPopup) == XCB_NONE; });
    }
    std::printf("Tippomat benchmark (%d rounds, Xvfb)\n", kRounds);
    startup.Print("program start -> tray icon");
    popup.Print("hotkey press -> popup mapped");
    launch.Print("key press -> bound program started");
    MeasureIdle("Tippomat idle, popup hidden:", program);
    Stop(program);

    std::filesystem::remove_all(home);
    return 0;
}
