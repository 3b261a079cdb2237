// A thousand turtles on one page of a real main window (offscreen), each moved by a Logo process of
// its own: every process makes STEPS moves of `forward 1 right 1` with its turtle and counts them
// in a global of its own. Every process waits until a moment set before the first is launched, so
// that launching them one by one skews nothing; once all of them move, the counts are read twice,
// SECONDS apart, and each process's share is its moves between the two readings over the mean.
// Then every process must finish all its moves.
// It exits with status 1 when a share is more than 20% from the mean or a process did not finish.
//
// usage: velmora_turtle_processes [TURTLES] [STEPS] [SECONDS]     (defaults 1000, 200, 3)
#include "support/CollectingCommander.h"
#include "support/ProcessMeasures.h"
#include "support/WindowSession.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <numeric>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

using namespace velmora;

namespace {

constexpr double allowedDeviation = 0.2;
// Enough for launching the processes, which then wait.
constexpr int launchMilliseconds = 3000;

// Turtle n (from 1) stands on a grid of 40 columns across the page, 19 pixels apart, and its
// process counts in the global "c" followed by n.
std::vector<std::string> setupLines(int turtles, int steps)
{
    return {
        "to mover :n",
        "wait :start - timer",
        "repeat " + std::to_string(steps)
            + " [forward 1 right 1 make word \"c :n 1 + thing word \"c :n]",
        "make \"finished :finished + 1",
        "end",
        "make \"finished 0",
        "repeat " + std::to_string(turtles)
            + " [make word \"c repcount 0 maketurtle word \"t repcount (list -370 + 19 * modulo "
              "repcount - 1 40 -230 + 19 * int (repcount - 1) / 40 0)]",
    };
}

std::string launchLine(int turtles)
{
    return "make \"start timer + " + std::to_string(launchMilliseconds) + " repeat "
        + std::to_string(turtles)
        + " [ask word \"t repcount (list \"launch (list \"mover repcount))]";
}

// The counts as they stand at one moment: the line is one instruction, which no other process
// interrupts.
std::vector<long> readCounts(ConsoleSession& session, CollectingCommander& commander, int turtles)
{
    std::string line = "show (list";
    for (int n = 1; n <= turtles; ++n)
        line.append(" :c").append(std::to_string(n));
    commander.output.clear();
    session.feedLine(line + ")");
    std::istringstream printed(commander.output.substr(commander.output.find('[') + 1));
    std::vector<long> counts;
    long count = 0;
    while (printed >> count)
        counts.push_back(count);
    return counts;
}

struct Shares {
    double lowest;
    double mean; // steps per process
    double highest;
    double worstDeviation;
};

Shares sharesBetween(const std::vector<long>& before, const std::vector<long>& after)
{
    std::vector<double> steps(after.size());
    for (size_t n = 0; n < after.size(); ++n)
        steps[n] = double(after[n] - before[n]);
    const double mean = std::accumulate(steps.begin(), steps.end(), 0.0) / double(steps.size());
    const auto [lowest, highest] = std::minmax_element(steps.begin(), steps.end());
    return { *lowest / mean, mean, *highest / mean,
        std::max(1 - *lowest / mean, *highest / mean - 1) };
}

} // namespace

int main(int argc, char** argv)
{
    const int turtles = argc > 1 ? std::atoi(argv[1]) : 1000;
    const int steps = argc > 2 ? std::atoi(argv[2]) : 200;
    const double seconds = argc > 3 ? std::atof(argv[3]) : 3;
    const auto application = offscreenApplication(argc, argv);

    CollectingCommander commander;
    bool passed = false;
    runBesideWindow(commander, [&](ConsoleSession& session, tlogopage&) {
        for (const std::string& line : setupLines(turtles, steps))
            session.feedLine(line);
        const auto start = std::chrono::steady_clock::now();
        session.feedLine(launchLine(turtles));
        const double launching = secondsSince(start);
        std::vector<long> first = readCounts(session, commander, turtles);
        while (*std::min_element(first.begin(), first.end()) == 0) {
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
            first = readCounts(session, commander, turtles);
        }
        std::printf("launched in %.1f s (they wait %.1f s), all moving after %.1f s\n", launching,
            launchMilliseconds / 1000.0, secondsSince(start));
        const auto firstRead = std::chrono::steady_clock::now();
        std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
        const std::vector<long> second = readCounts(session, commander, turtles);
        const double between = secondsSince(firstRead);
        session.feedLine("waituntil [:finished = " + std::to_string(turtles) + "]");
        const double allDone = secondsSince(start);
        const std::vector<long> last = readCounts(session, commander, turtles);

        const bool stillMoving = *std::max_element(second.begin(), second.end()) < steps;
        const bool allFinished = std::all_of(last.begin(), last.end(), [&](long count) {
            return count == steps;
        }) && int(last.size()) == turtles;
        const Shares shares = sharesBetween(first, second);
        std::printf("%d turtles, %d moves each: all finished %s, in %.1f s from the launch\n",
            turtles, steps, allFinished ? "yes" : "NO", allDone);
        std::printf("over %.2f s (%.0f moves a second): shares lowest %.1f%%, mean %.1f moves, "
                    "highest %.1f%%, worst deviation %.1f%% (limit %.0f%%)\n",
            between, shares.mean * turtles / between, 100 * shares.lowest, shares.mean,
            100 * shares.highest, 100 * shares.worstDeviation, 100 * allowedDeviation);
        if (!stillMoving)
            std::printf("a process finished before the second reading: give more STEPS\n");
        passed = allFinished && stillMoving && shares.worstDeviation <= allowedDeviation;
    });
    return passed && commander.errors == 0 ? 0 : 1;
}
