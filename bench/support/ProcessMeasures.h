// What a benchmark measures of its own process: the CPU time it has used, which other work on a
// shared machine moves less than wall time, the wall time itself, and the memory it holds resident.
#pragma once

#include <chrono>
#include <ctime>
#include <fstream>
#include <unistd.h>

namespace velmora {

inline double cpuSeconds()
{
    timespec now {};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

inline double secondsSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

inline long residentKilobytes()
{
    std::ifstream statm("/proc/self/statm");
    long pages = 0, resident = 0;
    statm >> pages >> resident;
    return resident * sysconf(_SC_PAGESIZE) / 1024;
}

} // namespace velmora
