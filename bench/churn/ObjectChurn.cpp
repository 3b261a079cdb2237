// Making and erasing objects as their number grows: COUNT instances of a class with an own
// variable (so each instance gets the variable and its getter and setter too) made and erased
// again, each erased as soon as it is made, and all made first and then erased in the order they
// came. The time should grow in proportion to the count, and the memory the process holds once
// objects made one at a time are all gone should be what it held before the first. Each count
// runs three times, each time in a fresh process; the best CPU time of each count is shown.
//
// usage: velmora_object_churn [COUNT ...]     (default: 25000 50000 100000)
//
// Exits with status 1 when a count costs more than 1.2 times its share of the time of the count
// before it, or when the resident memory after objects made one at a time is more than 1.1 times
// what it was before.
#include "core/EngineStartup.h"
#include "startup/ConsoleSession.h"
#include "support/CollectingCommander.h"
#include "support/FreshProcess.h"
#include "support/ProcessMeasures.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

using namespace velmora;

namespace {

constexpr int runs = 3;
constexpr double timeSlack = 1.2;
constexpr double memoryLimit = 1.1;

struct Churn {
    double seconds;
    long residentBefore; // kilobytes, once the class is made
    long residentAfter; // kilobytes, once every object made is erased again
};

// How the objects come and go: each erased as soon as it is made, or all made (numbered by the
// class's name prefix) and then erased in the order they came.
enum class Shape { OneAtATime, AllThenErased };

std::string churnLine(Shape shape, long count)
{
    const std::string n = std::to_string(count);
    if (shape == Shape::OneAtATime)
        return "repeat " + n + " [new \"thing [.name probe] eraseobject \"probe]";
    return "repeat " + n + " [new \"thing []] repeat " + n
        + " [eraseobject word \"Object repcount]";
}

std::optional<Churn> churn(Shape shape, long count)
{
    startEngine();
    CollectingCommander commander;
    ConsoleSession session(commander);
    session.feedLine("newclass [] \"thing [own'hits 0 define'poke [[] [output hits]]]");
    Churn result {};
    result.residentBefore = residentKilobytes();
    const double start = cpuSeconds();
    session.feedLine(churnLine(shape, count));
    result.seconds = cpuSeconds() - start;
    result.residentAfter = residentKilobytes();
    session.feedLine("print who");
    session.finish();
    const bool complete = commander.errors == 0 && commander.output == "\r\n";
    return complete ? std::optional(result) : std::nullopt;
}

// The run of least CPU time, with the memory it measured.
std::optional<Churn> bestOfRuns(Shape shape, long count)
{
    std::optional<Churn> best;
    for (int run = 0; run < runs; ++run) {
        const std::optional<Churn> measured
            = inFreshProcess([shape, count] { return churn(shape, count); });
        if (!measured)
            return std::nullopt;
        if (!best || measured->seconds < best->seconds)
            best = measured;
    }
    return best;
}

// Prints a row for each count; false when a limit is passed or a run failed.
bool measure(Shape shape, const std::vector<long>& counts)
{
    bool withinLimits = true;
    std::optional<Churn> previous;
    for (size_t i = 0; i < counts.size(); ++i) {
        const std::optional<Churn> measured = bestOfRuns(shape, counts[i]);
        if (!measured) {
            std::fprintf(stderr, "%ld objects were not all made and erased\n", counts[i]);
            return false;
        }
        const double memory = static_cast<double>(measured->residentAfter)
            / static_cast<double>(measured->residentBefore);
        // Made all at once, the objects take memory the allocator keeps for the next ones rather
        // than giving it back: only objects erased one at a time must leave the memory as it was.
        const bool memoryChecked = shape == Shape::OneAtATime;
        withinLimits = withinLimits && (!memoryChecked || memory <= memoryLimit);
        char memoryCell[32];
        std::snprintf(memoryCell, sizeof memoryCell, memoryChecked ? "%.3f (limit %.1f)" : "%.3f",
            memory, memoryLimit);
        char growth[32] = "";
        if (previous) {
            const double ratio = measured->seconds / previous->seconds;
            const double limit
                = timeSlack * static_cast<double>(counts[i]) / static_cast<double>(counts[i - 1]);
            withinLimits = withinLimits && ratio <= limit;
            std::snprintf(growth, sizeof growth, "%.2f (limit %.2f)", ratio, limit);
        }
        std::printf("| %s | %ld | %.3f s | %s | %ld kB | %ld kB | %s |\n",
            shape == Shape::OneAtATime ? "one at a time" : "all, then erased", counts[i],
            measured->seconds, growth, measured->residentBefore, measured->residentAfter,
            memoryCell);
        previous = measured;
    }
    return withinLimits;
}

} // namespace

int main(int argc, char** argv)
{
    std::vector<long> counts;
    for (int i = 1; i < argc; ++i)
        counts.push_back(std::stol(argv[i]));
    if (counts.empty())
        counts = { 25000, 50000, 100000 };
    std::printf("| objects made and erased | count | CPU time (best of %d) | time / previous | "
                "resident before | resident after | after / before |\n"
                "|---|---:|---:|---:|---:|---:|---:|\n",
        runs);
    const bool oneAtATime = measure(Shape::OneAtATime, counts);
    const bool allThenErased = measure(Shape::AllThenErased, counts);
    return oneAtATime && allThenErased ? 0 : 1;
}
