#include "Measure.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace bench {

namespace {

std::map<std::string, long> ContextSwitches(pid_t pid) {
    std::map<std::string, long> counts;
    std::error_code ignored;
    for (const auto& task :
         std::filesystem::directory_iterator("/proc/" + std::to_string(pid) + "/task", ignored)) {
        const std::string name = "/task/" + task.path().filename().string() + "/status";
        counts[name] = ProcValue(pid, name, "voluntary_ctxt_switches:") +
                       ProcValue(pid, name, "nonvoluntary_ctxt_switches:");
    }
    return counts;
}

double Median(std::vector<double> values) {
    if (values.empty()) {
        return -1;
    }
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

double NowMs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

void Pause(int milliseconds) {
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

pid_t Spawn(const std::vector<std::string>& arguments) {
    std::vector<char*> argv;
    for (const std::string& argument : arguments) {
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

bool Reaped(pid_t pid, int seconds) {
    const double end = NowMs() + seconds * 1000.0;
    while (NowMs() < end) {
        const pid_t done = waitpid(pid, nullptr, WNOHANG);
        if (done == pid || (done < 0 && errno == ECHILD)) {
            return true;
        }
        Pause(5);
    }
    return false;
}

void Stop(pid_t pid, int seconds) {
    kill(pid, SIGTERM);
    if (!Reaped(pid, seconds)) {
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
    }
}

size_t Lines(const std::string& path) {
    std::ifstream in(path);
    return static_cast<size_t>(std::count(std::istreambuf_iterator<char>(in), {}, '\n'));
}

long long LastNumber(const std::string& path) {
    std::ifstream in(path);
    std::string line, last;
    while (std::getline(in, line)) {
        last = line;
    }
    return std::atoll(last.c_str());
}

bool Grew(const std::string& path, size_t lines) {
    const double end = NowMs() + 10000;
    while (Lines(path) <= lines) {
        if (NowMs() > end) {
            return false;
        }
        Pause(1);
    }
    return true;
}

long ProcValue(pid_t pid, const std::string& file, const char* key) {
    std::ifstream status("/proc/" + std::to_string(pid) + file);
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(key, 0) == 0) {
            return std::atol(line.c_str() + std::strlen(key));
        }
    }
    return 0;
}

std::vector<double> WakeUpsPerMinute(const std::vector<pid_t>& pids) {
    std::vector<std::map<std::string, long>> before;
    for (const pid_t pid : pids) {
        before.push_back(ContextSwitches(pid));
    }
    std::this_thread::sleep_for(std::chrono::seconds(kIdleSeconds));
    std::vector<double> perMinute;
    for (size_t i = 0; i < pids.size(); ++i) {
        long woken = 0;
        for (const auto& [thread, count] : ContextSwitches(pids[i])) {
            const auto earlier = before[i].find(thread);
            woken += count - (earlier != before[i].end() ? earlier->second : 0);
        }
        perMinute.push_back(woken * 60.0 / kIdleSeconds);
    }
    return perMinute;
}

std::vector<Row> Compare(const std::string& face, const Figures& subject, const Figures& yardstick,
                         const std::vector<std::string>& order) {
    std::vector<Row> rows;
    for (const std::string& figure : order) {
        const auto own = subject.find(figure);
        const auto other = yardstick.find(figure);
        if (own != subject.end() && other != yardstick.end()) {
            rows.push_back(
                {face, figure, Median(own->second), Median(other->second), own->second.size()});
        }
    }
    return rows;
}

void PrintTable(const std::string& title, const std::vector<Row>& rows) {
    std::printf("%s\n\n%-8s %-34s %12s %12s %7s %4s\n", title.c_str(), "face", "median of",
                "program", "yardstick", "ratio", "n");
    for (const Row& row : rows) {
        if (row.yardstick > 0) {
            std::printf("%-8s %-34s %12.2f %12.2f %7.2f %4zu\n", row.face.c_str(),
                        row.figure.c_str(), row.subject, row.yardstick, row.subject / row.yardstick,
                        row.samples);
        } else {
            std::printf("%-8s %-34s %12.2f %12.2f %7s %4zu\n", row.face.c_str(), row.figure.c_str(),
                        row.subject, row.yardstick, "-", row.samples);
        }
    }
}

} // namespace bench
