#pragma once

// What the benchmark's own process uses: CPU time (user and system, as
// getrusage counts it) and resident memory.

#include <sys/resource.h>

#include <fstream>
#include <string>

namespace bench {

inline double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// A field of /proc/self/status in kB ("VmRSS", "VmHWM"), or -1.
inline long statusKb(const std::string& field)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(field + ":", 0) == 0)
            return std::stol(line.substr(field.size() + 1));
    }
    return -1;
}

} // namespace bench
