// What both faces' benchmarks measure with: the clock, programs started and stopped, files the
// bound programs stamp, /proc, and the table of medians.
#pragma once

#include <map>
#include <string>
#include <sys/types.h>
#include <vector>

namespace bench {

constexpr int kStarts = 20;
constexpr int kPresses = 50;
constexpr int kIdleSeconds = 30;

double NowMs();
void Pause(int milliseconds);

pid_t Spawn(const std::vector<std::string>& argv);
// Ends the program with SIGTERM, or SIGKILL when it has not ended in seconds.
void Stop(pid_t pid, int seconds = 5);
// Waits until the program has ended, at most seconds; whether it did.
bool Reaped(pid_t pid, int seconds);

size_t Lines(const std::string& path);
// The number on the last line of the file.
long long LastNumber(const std::string& path);
// Waits until the file has more than lines lines, at most ten seconds; whether it did.
bool Grew(const std::string& path, size_t lines);

// A "Key: value" line of /proc/PID/FILE, in the units the file gives.
long ProcValue(pid_t pid, const std::string& file, const char* key);

// Context switches of each program's threads over the same kIdleSeconds: each one is a
// wake-up. Threads may come and go while it counts.
std::vector<double> WakeUpsPerMinute(const std::vector<pid_t>& pids);

// Samples of each figure, by name.
using Figures = std::map<std::string, std::vector<double>>;

struct Row {
    std::string face;
    std::string figure;
    double subject;
    double yardstick;
    size_t samples;
};

// The rows of the figures both have, medians side by side, in the order given.
std::vector<Row> Compare(const std::string& face, const Figures& subject, const Figures& yardstick,
                         const std::vector<std::string>& order);
void PrintTable(const std::string& title, const std::vector<Row>& rows);

} // namespace bench
