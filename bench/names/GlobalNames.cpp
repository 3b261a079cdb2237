// Cost of global variables as their number grows: creating n distinct global names should cost
// time in proportion to n. Creates SMALL and then LARGE globals, three times each, each time in a
// fresh process as a user's program would run; prints the CPU time of each size (the best of its
// runs) and their ratio, and exits with status 1 when the ratio passes LIMIT.
//
// usage: velmora_global_names [SMALL LARGE LIMIT]     (default: 100000 1000000 12)
//
// CPU time rather than wall time, so that other work on a shared machine moves the numbers less;
// it includes the page faults of the memory the names take. A fresh process for every run, because
// a run that reuses memory an earlier run gave back to the allocator takes no page faults and
// measures less than a program would.
#include "core/EngineStartup.h"
#include "startup/ConsoleSession.h"
#include "support/CollectingCommander.h"
#include "support/FreshProcess.h"
#include "support/ProcessMeasures.h"

#include <algorithm>
#include <cstdio>
#include <string>

using namespace velmora;

namespace {

constexpr int runs = 3;

// The CPU time of creating `count` globals named g1, g2, ...; none when they did not all come to
// be.
std::optional<double> createGlobals(long count)
{
    startEngine();
    CollectingCommander commander;
    ConsoleSession session(commander);
    const std::string n = std::to_string(count);
    const double start = cpuSeconds();
    session.feedLine("repeat " + n + " [make word \"g repcount repcount]");
    const double seconds = cpuSeconds() - start;
    session.feedLine("print (thing \"g1) + thing word \"g " + n);
    session.finish();
    const bool complete
        = commander.errors == 0 && commander.output == std::to_string(count + 1) + "\r\n";
    return complete ? std::optional(seconds) : std::nullopt;
}

double bestOfRuns(long count)
{
    double best = -1;
    for (int run = 0; run < runs; ++run) {
        const std::optional<double> seconds
            = inFreshProcess([count] { return createGlobals(count); });
        if (!seconds)
            return -1;
        best = run == 0 ? *seconds : std::min(best, *seconds);
    }
    return best;
}

} // namespace

int main(int argc, char** argv)
{
    const long small = argc > 2 ? std::stol(argv[1]) : 100000;
    const long large = argc > 2 ? std::stol(argv[2]) : 1000000;
    const double limit = argc > 3 ? std::stod(argv[3]) : 12.0;
    const double smallSeconds = bestOfRuns(small);
    const double largeSeconds = bestOfRuns(large);
    if (smallSeconds <= 0 || largeSeconds < 0) {
        std::fprintf(stderr, "the globals were not all created\n");
        return 1;
    }
    const double ratio = largeSeconds / smallSeconds;
    std::printf("| globals | CPU time (best of %d) |\n|---:|---:|\n", runs);
    std::printf("| %ld | %.3f s |\n| %ld | %.3f s |\n", small, smallSeconds, large, largeSeconds);
    std::printf("%ld / %ld globals: %.2f times the time for %.0f times the names (limit %.1f)\n",
        large, small, ratio, static_cast<double>(large) / static_cast<double>(small), limit);
    return ratio <= limit ? 0 : 1;
}
