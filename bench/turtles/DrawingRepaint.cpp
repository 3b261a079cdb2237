// Repainting a compiled drawing list, as a vector shape is repainted: the same list rendered
// into an image of the page's size over and over, once where it was (its pixel form kept) and
// once moved a pixel each time, so that every repaint works its pixel form out again. Two lists:
// a small shape (a star, a circle and a label) and a long path of 3,600 points.
//
// It prints the cost of a repaint both ways and their ratio; it exits with status 1 when a kept
// pixel form costs more than working it out, or a Logo error was reported.
//
// usage: velmora_drawing_repaint [REPAINTS] [ROUNDS]     (defaults 2000, 5)
#include "support/Median.h"
#include "support/ProcessMeasures.h"

#include "core/DrawingList.h"
#include "core/EngineStartup.h"
#include "core/MainObj.h"
#include "graphics/DrawingRenderer.h"
#include "interpreter/InterpreterState.h"
#include "values/Reader.h"

#include <QGuiApplication>
#include <QImage>

#include <cstdio>
#include <cstdlib>
#include <vector>

using namespace velmora;

namespace {

struct Shape {
    const char* name;
    const char* list;
};

constexpr Shape shapes[] = {
    { "small shape",
        "setfillcolor [255 0 0] polygon [repeat 5 [fd 30 rt 144]] pu fd 10 pd "
        "circle 20 setpc [0 0 255] rt 90 fd 25 label abc" },
    { "3,600-point path", "repeat 3600 [fd 0.3 rt 0.5]" },
};

// Seconds a repaint, rendered `repaints` times, moved a pixel each time or not.
double perRepaint(DrawingRenderer& renderer, QImage& image, int repaints, bool moving)
{
    QPainter painter(&image);
    const Ink ink;
    const auto start = std::chrono::steady_clock::now();
    for (int repaint = 0; repaint < repaints; ++repaint) {
        const double shift = moving ? repaint % 2 : 0;
        renderer.render(painter, { QPointF(398 + shift, 249), { 1, 1 }, 30 }, ink);
    }
    return secondsSince(start) / repaints;
}

} // namespace

int main(int argc, char** argv)
{
    const int repaints = argc > 1 ? std::atoi(argv[1]) : 2000;
    const int rounds = argc > 2 ? std::atoi(argv[2]) : 5;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    startEngine();
    const ValueRef main(new tMainLogoObject);
    InterpreterState state(main.get(), &static_cast<tMainLogoObject*>(main.get())->globals());
    const InterpreterState::Activation activation(state);

    bool met = true;
    std::printf("| list | items | kept µs a repaint | worked out µs a repaint | ratio |\n");
    std::printf("|---|---:|---:|---:|---:|\n");
    for (const Shape& shape : shapes) {
        const ValueRef source(readList(shape.list));
        tDrawingList list;
        list.compile(static_cast<tLogoList*>(source.get()), {});
        DrawingRenderer renderer(list);
        QImage image(796, 499, QImage::Format_RGB32);
        image.fill(Qt::white);
        std::vector<double> kept, worked, ratios;
        for (int round = 0; round < rounds; ++round) {
            kept.push_back(perRepaint(renderer, image, repaints, false));
            worked.push_back(perRepaint(renderer, image, repaints, true));
            ratios.push_back(worked.back() / kept.back());
        }
        std::printf("| %s | %zu | %.2f | %.2f | %.2f |\n", shape.name, list.items().size(),
            median(kept) * 1e6, median(worked) * 1e6, median(ratios));
        met = met && median(ratios) >= 1;
    }
    return met ? 0 : 1;
}
