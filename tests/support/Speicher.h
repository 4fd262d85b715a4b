#pragma once
// The process's resident memory, for tests and benchmarks that bound what a load may grow.
#include <fstream>
#include <string>

// VmRSS of /proc/self/status in KiB (0 where it cannot be read).
inline long ResidentKiB() {
    std::ifstream status("/proc/self/status");
    std::string wort;
    long kib = 0;
    while (status >> wort)
        if (wort == "VmRSS:" && status >> kib)
            break;
    return kib;
}
