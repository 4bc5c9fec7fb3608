// Measures the launcher as a user meets it, each face beside the smallest tray program of its
// kind that does the same on the hot path, and prints one table. Needs Xvfb with a window
// manager and a tray host, and for the Windows face a Wine prefix (bench/run.sh).
//   tippomat_bench [--linux [--earlier PROGRAM]] [--windows BUILD-DIR [--wine LOADER]]
// BUILD-DIR is the Windows build holding src/Tippomat.exe and the bench_*.exe programs; PROGRAM
// an earlier Linux build of the program, whose list editor opens beside this one's.
#include "Faces.h"

#include <cstdio>
#include <filesystem>
#include <string>
#include <unistd.h>

int main(int argc, char** argv) {
    bool linux = argc == 1;
    std::string windows;
    std::string wine = "/usr/lib/wine/wine64";
    std::string earlier;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--linux") {
            linux = true;
        } else if (argument == "--windows" && i + 1 < argc) {
            windows = argv[++i];
        } else if (argument == "--wine" && i + 1 < argc) {
            wine = argv[++i];
        } else if (argument == "--earlier" && i + 1 < argc) {
            earlier = argv[++i];
        } else {
            std::fprintf(stderr,
                         "usage: %s [--linux [--earlier PROGRAM]] [--windows BUILD-DIR "
                         "[--wine LOADER]]\n",
                         argv[0]);
            return 2;
        }
    }
    bench::XWatch x;
    if (!x.Usable()) {
        std::fprintf(stderr, "no X server\n");
        return 1;
    }
    const std::string home =
        std::filesystem::temp_directory_path() / ("tippomat-bench-" + std::to_string(getpid()));
    std::filesystem::create_directories(home);
    std::vector<bench::Row> rows;
    bool complete = true;
    const auto add = [&](const std::vector<bench::Row>& face) {
        complete = complete && !face.empty();
        rows.insert(rows.end(), face.begin(), face.end());
    };
    if (linux) {
        add(bench::RunLinuxFace(x, home, earlier));
    }
    if (!windows.empty()) {
        add(bench::RunWindowsFace(x, home, windows, wine));
    }
    std::filesystem::remove_all(home);
    char title[160];
    std::snprintf(title, sizeof title,
                  "Benchmark: %d starts and %d presses each, turn by turn, on one X server "
                  "(times in ms)",
                  bench::kStarts, bench::kPresses);
    bench::PrintTable(title, rows);
    return complete ? 0 : 1;
}
