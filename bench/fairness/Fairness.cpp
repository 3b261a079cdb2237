// Fairness of the interpreter lock: N processes each count in a loop for a while; every process's
// share of the counting should stay close to the mean. Also reports how many yields per second a
// process alone makes and the memory each process costs.
//
// usage: velmora_fairness [SECONDS] [N ...]     (default: 3 seconds; N = 2 10 100 1000)
#include "core/EngineStartup.h"
#include "processes/AllThreads.h"
#include "startup/ConsoleSession.h"
#include "support/CollectingCommander.h"
#include "support/ProcessMeasures.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <numeric>
#include <string>
#include <thread>
#include <vector>

using namespace velmora;

namespace {

std::string counterName(int i) { return std::string(1, 'c').append(std::to_string(i)); }

struct Result {
    std::vector<long> counts;
    long kilobytesPerProcess;
};

Result run(int processes, double seconds)
{
    CollectingCommander commander;
    ConsoleSession session(commander);
    // Counting starts once every process runs, so that launching them one by one skews nothing.
    session.feedLine("make \"go \"false");
    const long before = residentKilobytes();
    for (int i = 0; i < processes; ++i) {
        const std::string name = counterName(i);
        session.feedLine(std::string("make \"").append(name).append(" 0"));
        session.feedLine(std::string("(forever [if :go [make \"")
                             .append(name)
                             .append(" :")
                             .append(name)
                             .append(" + 1]] \"")
                             .append(name)
                             .append(")"));
    }
    const long after = residentKilobytes();
    session.feedLine("make \"go \"true");
    std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
    session.feedLine("make \"go \"false");
    session.feedLine("stopall");
    Result result;
    commander.output.clear();
    for (int i = 0; i < processes; ++i)
        session.feedLine(std::string("print :").append(counterName(i)));
    size_t start = 0;
    for (int i = 0; i < processes; ++i) {
        const size_t end = commander.output.find('\n', start);
        result.counts.push_back(std::stol(commander.output.substr(start, end - start)));
        start = end + 1;
    }
    result.kilobytesPerProcess = processes ? (after - before) / processes : 0;
    return result;
}

} // namespace

int main(int argc, char** argv)
{
    const double seconds = argc > 1 ? std::stod(argv[1]) : 3.0;
    std::vector<int> sizes;
    for (int i = 2; i < argc; ++i)
        sizes.push_back(std::stoi(argv[i]));
    if (sizes.empty())
        sizes = { 2, 10, 100, 1000 };
    startEngine();

    const Result alone = run(1, seconds);
    std::printf("one process alone: %.0f loop iterations (yield points) per second\n",
        alone.counts[0] / seconds);
    std::printf("| processes | mean count | lowest share | highest share | memory per process |\n");
    std::printf("|---|---|---|---|---|\n");
    for (int n : sizes) {
        const Result result = run(n, seconds);
        const double mean = std::accumulate(result.counts.begin(), result.counts.end(), 0.0)
            / result.counts.size();
        const auto [lowest, highest]
            = std::minmax_element(result.counts.begin(), result.counts.end());
        std::printf("| %d | %.0f | %.1f%% | %.1f%% | %ld KiB |\n", n, mean, 100.0 * *lowest / mean,
            100.0 * *highest / mean, result.kilobytesPerProcess);
    }
}
