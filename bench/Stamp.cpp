// The bound program of the benchmark: appends the monotonic time at which it started.
#include <cstdio>
#include <ctime>

int main(int argc, char** argv) {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    if (argc > 1) {
        if (FILE* out = std::fopen(argv[1], "a")) {
            std::fprintf(out, "%lld\n",
                         static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
            std::fclose(out);
        }
    }
    return 0;
}
