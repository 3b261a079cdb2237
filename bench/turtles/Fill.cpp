// A turtle's "fill" against a plain scanline fill: the starting turtle of a real main window
// (offscreen) fills a white region of the page, the whole page or a box drawn round the page's
// centre, and a plain C++ scanline fill (a stack of seeds, each row run painted in place) fills
// the same region of a copy of the page as it was before. Each round times both at each size, one
// after the other, and checks that the two pictures agree. The sizes show whether the time grows
// in proportion to the pixels filled.
//
// It exits with status 1 when the median ratio at any size passes LIMIT, when the cost per pixel
// of the largest region passes 1.5 times that of the middle one, or when the pictures differ.
//
// usage: velmora_turtle_fill [ROUNDS] [LIMIT]     (defaults 11, 3)
#include "support/CollectingCommander.h"
#include "support/Median.h"
#include "support/ProcessMeasures.h"
#include "support/WindowSession.h"

#include <QImage>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

using namespace velmora;

namespace {

// The plain fill: every pixel of the seed's colour reachable through the pixels' sides.
void plainFill(QImage& image, QPoint seed, QRgb colour)
{
    const QRgb target = image.pixel(seed);
    std::vector<QPoint> seeds { seed };
    const int width = image.width(), height = image.height();
    while (!seeds.empty()) {
        const QPoint at = seeds.back();
        seeds.pop_back();
        QRgb* row = reinterpret_cast<QRgb*>(image.scanLine(at.y()));
        if (row[at.x()] != target)
            continue;
        int left = at.x(), right = at.x();
        while (left > 0 && row[left - 1] == target)
            --left;
        while (right + 1 < width && row[right + 1] == target)
            ++right;
        std::fill(row + left, row + right + 1, colour);
        for (const int y : { at.y() - 1, at.y() + 1 }) {
            if (y < 0 || y >= height)
                continue;
            const QRgb* next = reinterpret_cast<const QRgb*>(image.constScanLine(y));
            for (int x = left; x <= right; ++x)
                if (next[x] == target && (x == left || next[x - 1] != target))
                    seeds.push_back(QPoint(x, y));
        }
    }
}

struct Region {
    const char* name;
    int side; // of the square box round the centre; 0 for the whole page
};

constexpr Region regions[]
    = { { "box 120x120", 120 }, { "box 400x400", 400 }, { "whole page", 0 } };

struct Measured {
    double velmoraSeconds;
    double plainSeconds;
    int filled;
    bool same;
};

QImage bitmapOf(Surface& surface)
{
    std::lock_guard hold(surface.lock());
    return surface.bitmap().copy();
}

Measured measure(ConsoleSession& session, Surface& surface, const Region& region)
{
    session.feedLine("clearscreen hideturtle setpencolour 0 setfillcolour [255 0 0]");
    if (region.side > 0) {
        const std::string half = std::to_string(region.side / 2 + 1);
        session.feedLine("penup setxy -" + half + " -" + half + " pendown repeat 4 [forward "
            + std::to_string(region.side + 2) + " right 90] penup home");
    }
    const QImage before = bitmapOf(surface);
    auto start = std::chrono::steady_clock::now();
    session.feedLine("fill");
    const double velmora = secondsSince(start);
    const QImage filled = bitmapOf(surface);
    QImage plain = before.copy();
    start = std::chrono::steady_clock::now();
    plainFill(plain, QPoint(plain.width() / 2, plain.height() / 2), qRgb(255, 0, 0));
    const double plainSeconds = secondsSince(start);
    int count = 0;
    for (int y = 0; y < filled.height(); ++y)
        for (int x = 0; x < filled.width(); ++x)
            count += filled.pixel(x, y) != before.pixel(x, y);
    return { velmora, plainSeconds, count, filled == plain };
}

} // namespace

int main(int argc, char** argv)
{
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 11;
    const double limit = argc > 2 ? std::atof(argv[2]) : 3;
    const auto application = offscreenApplication(argc, argv);

    CollectingCommander commander;
    constexpr size_t sizes = std::size(regions);
    std::vector<double> velmora[sizes], plain[sizes], ratios[sizes];
    int filled[sizes] = {};
    bool same = true;
    runBesideWindow(commander, [&](ConsoleSession& session, tlogopage& page) {
        for (int round = 0; round < rounds; ++round)
            for (size_t index = 0; index < sizes; ++index) {
                const Measured m = measure(session, page.surface(), regions[index]);
                velmora[index].push_back(m.velmoraSeconds);
                plain[index].push_back(m.plainSeconds);
                ratios[index].push_back(m.velmoraSeconds / m.plainSeconds);
                filled[index] = m.filled;
                same = same && m.same;
            }
    });
    std::printf(
        "| region | pixels filled | Velmora ms | plain ms | ratio | Velmora ns a pixel |\n");
    std::printf("|---|---:|---:|---:|---:|---:|\n");
    bool met = same && commander.errors == 0;
    double perPixel[sizes];
    for (size_t index = 0; index < sizes; ++index) {
        const double ratio = median(ratios[index]);
        perPixel[index] = median(velmora[index]) * 1e9 / filled[index];
        std::printf("| %s | %d | %.2f | %.2f | %.2f | %.2f |\n", regions[index].name, filled[index],
            median(velmora[index]) * 1000, median(plain[index]) * 1000, ratio, perPixel[index]);
        met = met && ratio <= limit;
    }
    const double growth = perPixel[sizes - 1] / perPixel[sizes - 2];
    std::printf("cost a pixel, largest over middle region: %.2f (limit 1.5); pictures %s; "
                "ratio limit %.2g\n",
        growth, same ? "the same" : "DIFFER", limit);
    return met && growth <= 1.5 ? 0 : 1;
}
