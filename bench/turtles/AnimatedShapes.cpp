// A thousand turtles on one page of a real main window (offscreen), each wearing the same 32 by 32
// bitmap shape of four animation steps, each step shown DELAY milliseconds: the steps the
// animation thread shows are counted one second at a time for SECONDS seconds, against the rate
// the delays ask for (TURTLES * 1000 / DELAY a second). A step is shown only once the page has
// been painted with the one before, so the count is of steps the window really showed.
// It exits with status 1 when a second fell below 90% of the rate asked for.
//
// usage: velmora_animated_shapes [TURTLES] [DELAY] [SECONDS]     (defaults 1000, 100, 5)
#include "graphics/ShapeAnim.h"
#include "support/CollectingCommander.h"
#include "support/Median.h"
#include "support/ProcessMeasures.h"
#include "support/WindowSession.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

using namespace velmora;

namespace {

constexpr double leastShare = 0.9;

// Four 32 by 32 steps cut from the page, each a square of another colour, as one frame of an image
// whose steps last `delay` milliseconds; then the turtles, on a grid of 40 columns 19 pixels apart.
std::vector<std::string> setupLines(int turtles, int delay)
{
    return {
        "make \"imode 3",
        "to step :colour",
        "setbglinecolour :colour",
        "bgfilledrectangle [0 0 32 32]",
        "output takepicture (list first tocartesian [0 0] last tocartesian [0 0] 32 32)",
        "end",
        "make \"film setdelay toanimfilm (image step \"red step \"green step \"blue step \"yellow) "
            + std::to_string(delay),
        "cleanbgpicture",
        "repeat " + std::to_string(turtles)
            + " [maketurtle word \"t repcount (list -370 + 19 * modulo repcount - 1 40 -230 + 19 * "
              "int (repcount - 1) / 40 0 \"showturtle)]",
        "repeat " + std::to_string(turtles)
            + " [ask word \"t repcount [setshape :film setanimation \"true]]",
    };
}

} // namespace

int main(int argc, char** argv)
{
    const int turtles = argc > 1 ? std::atoi(argv[1]) : 1000;
    const int delay = argc > 2 ? std::max(1, std::atoi(argv[2])) : 100;
    const int seconds = argc > 3 ? std::atoi(argv[3]) : 5;
    auto application = offscreenApplication(argc, argv);

    CollectingCommander commander;
    const double asked = turtles * 1000.0 / delay;
    std::vector<double> rates;
    runBesideWindow(commander, [&](ConsoleSession& session, tlogopage&) {
        for (const std::string& line : setupLines(turtles, delay))
            session.feedLine(line);
        // The animations settle into their rhythm once every turtle has been painted.
        std::this_thread::sleep_for(std::chrono::seconds(1));
        std::printf("| second | steps shown | asked for | share |\n|---|---:|---:|---:|\n");
        tShapeAnim& animation = tShapeAnim::program();
        for (int second = 1; second <= seconds; ++second) {
            const uint64_t before = animation.advances();
            const auto start = std::chrono::steady_clock::now();
            std::this_thread::sleep_for(std::chrono::seconds(1));
            rates.push_back((animation.advances() - before) / secondsSince(start));
            std::printf(
                "| %d | %.0f | %.0f | %.2f |\n", second, rates.back(), asked, rates.back() / asked);
        }
        session.feedLine("bye");
    });
    const double lowest = rates.empty() ? 0 : *std::min_element(rates.begin(), rates.end());
    std::printf("%d turtles, steps of %d ms: median %.0f steps a second, lowest %.0f, asked for "
                "%.0f (share %.2f, at least %.2f)\n",
        turtles, delay, median(rates), lowest, asked, lowest / asked, leastShare);
    return lowest >= leastShare * asked && commander.errors == 0 ? 0 : 1;
}
