// A turtle's drawing loop against QPainter: the starting turtle of a real main window (offscreen)
// runs `repeat STEPS [forward 1 right 1]` with its pen down, and a plain C++ loop draws the same
// segments with one QPainter into an image like the page's. Each round times both, one after the
// other, and counts the pixels where the two pictures differ, so that a fast wrong picture shows.
// It exits with status 1 when the median ratio passes LIMIT or when the pictures differ.
//
// usage: velmora_turtle_drawing [ROUNDS] [STEPS] [LIMIT]     (defaults 5, 100000, 3)
#include "support/CollectingCommander.h"
#include "support/Median.h"
#include "support/ProcessMeasures.h"
#include "support/WindowSession.h"

#include <QImage>
#include <QPainter>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <numbers>
#include <string>
#include <vector>

using namespace velmora;

namespace {

// The path a turtle takes from the page's centre, facing north, with the turtle's arithmetic: the
// heading kept in [0, 360) and turned into the mathematical angle, the ends rounded half away from
// zero. Its pen (black, one pixel, round caps) also paints each line's end pixel. The turtle keeps
// extended precision, whose sine and cosine cost libm ten times the drawing here; a plain loop
// would compute in double, and over these paths it draws the same pixels (the rounds count them).
QImage drawnWithQPainter(QSize size, int steps)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setPen(QPen(Qt::black, 1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    double x = size.width() / 2, y = size.height() / 2, heading = 0;
    const auto pixel = [](double coordinate) { return int(std::lround(coordinate)); };
    for (int step = 0; step < steps; ++step) {
        const double radians = (90 - heading) * std::numbers::pi / 180;
        const double nextX = x + std::cos(radians), nextY = y - std::sin(radians);
        const QPoint from(pixel(x), pixel(y)), to(pixel(nextX), pixel(nextY));
        painter.drawLine(from, to);
        painter.drawPoint(to);
        x = nextX;
        y = nextY;
        heading = std::fmod(heading + 1, 360);
    }
    return image;
}

int differingPixels(const QImage& a, const QImage& b)
{
    int differing = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            differing += a.pixel(x, y) != b.pixel(x, y);
    return differing;
}

struct Round {
    double velmoraSeconds;
    double qpainterSeconds;
    int differing;
};

Round runRound(ConsoleSession& session, Surface& surface, int steps)
{
    session.feedLine("clearscreen");
    const std::string loop = "repeat " + std::to_string(steps) + " [forward 1 right 1]";
    auto start = std::chrono::steady_clock::now();
    session.feedLine(loop);
    const double velmora = secondsSince(start);
    QImage drawn;
    {
        std::lock_guard hold(surface.lock());
        drawn = surface.bitmap().copy();
    }
    start = std::chrono::steady_clock::now();
    const QImage reference = drawnWithQPainter(surface.size(), steps);
    const double qpainter = secondsSince(start);
    return { velmora, qpainter, differingPixels(drawn, reference) };
}

} // namespace

int main(int argc, char** argv)
{
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 5;
    const int steps = argc > 2 ? std::atoi(argv[2]) : 100000;
    const double limit = argc > 3 ? std::atof(argv[3]) : 3;
    const auto application = offscreenApplication(argc, argv);

    CollectingCommander commander;
    std::vector<double> velmora, qpainter, ratios;
    int differing = 0;
    runBesideWindow(commander, [&](ConsoleSession& session, tlogopage& page) {
        std::printf("| round | Velmora ms | QPainter ms | ratio | differing pixels |\n");
        std::printf("|---|---:|---:|---:|---:|\n");
        for (int round = 1; round <= rounds; ++round) {
            const Round measured = runRound(session, page.surface(), steps);
            velmora.push_back(measured.velmoraSeconds);
            qpainter.push_back(measured.qpainterSeconds);
            ratios.push_back(measured.velmoraSeconds / measured.qpainterSeconds);
            differing = std::max(differing, measured.differing);
            std::printf("| %d | %.1f | %.1f | %.2f | %d |\n", round, measured.velmoraSeconds * 1000,
                measured.qpainterSeconds * 1000, ratios.back(), measured.differing);
        }
    });
    const double ratio = median(ratios);
    std::printf("%d steps, medians: Velmora %.1f ms, QPainter %.1f ms, ratio %.2f (limit %.2g)\n",
        steps, median(velmora) * 1000, median(qpainter) * 1000, ratio, limit);
    return ratio <= limit && differing == 0 && commander.errors == 0 ? 0 : 1;
}
