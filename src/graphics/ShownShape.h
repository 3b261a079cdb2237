// ShownShape: a turtle's bitmap or vector shape as the window paints it and the animation thread
// steps it on: the frame (or the drawing lists) and step shown, where, how large, turned how far,
// and the colour drawn in the pen's colour.
//
// The turtle hands it its state under the surface's items lock, which guards everything here: the
// window paints it under that lock, and the animation thread takes it to show the next step.
// Painting schedules the next step of an animated shape (ShapeAnim), so a shape that is not
// painted, on a page not shown, does not animate.
#pragma once

#include "core/DrawingList.h"
#include "graphics/AnimatedShape.h"
#include "graphics/DrawingRenderer.h"
#include "graphics/LogoFrame.h"
#include "graphics/Surface.h"

#include <QImage>
#include <QPainter>
#include <QPointF>
#include <QRect>

#include <chrono>
#include <memory>
#include <optional>
#include <vector>

namespace velmora {

// Where a picture lies, scaled, with its scaled hot spot at `at`.
QRect pictureArea(const tLogoPicture& picture, QPoint at, QPointF scale);

class ShownShape final : public AnimatedShape {
public:
    struct State {
        FrameRef frame;
        std::vector<std::shared_ptr<const tDrawingList>> drawings; // a vector shape's steps
        double heading = 0; // how far a vector shape turns
        QPoint position; // where the hot spot lies, in surface pixels
        QPointF scale { 1, 1 };
        std::optional<QRgb> tint; // drawn in `penColour`
        QRgb penColour = 0;
        bool loop = true; // steps wrap around rather than stop at the last
        bool animation = false;
        double delayScale = 1;
    };

    explicit ShownShape(Surface& surface);
    // Leaves the animation plan; never under the items lock, since the animation thread may be
    // waiting for it to show a step.
    ~ShownShape() override;

    // Under the items lock. `step`, when given, is the step the program chose.
    void set(const State& state, std::optional<int> step);
    int step() const { return m_step; }
    // Where the current picture lies; empty without one.
    QRect area() const;
    // Whether the picture is transparent at that surface pixel.
    bool transparentAt(QPoint at) const;
    void paint(QPainter& painter) const;
    // The current picture's pixels as painted (before scaling); null without one.
    QImage pixels() const;
    // The next step is scheduled when the shape is next painted, as when it is first shown.
    void restartAnimation() { m_scheduleReady = true; }
    // Leaves the animation plan; not under the items lock.
    void stopAnimation();

    void advance() override;

private:
    const tLogoPicture* picture() const;
    int stepCount() const;
    // The renderer of the current step of a vector shape, or none.
    DrawingRenderer* renderer() const;
    DrawingPlacement placement() const;

    Surface& m_surface;
    State m_state;
    int m_step = 0;
    mutable bool m_scheduleReady = true;
    std::chrono::steady_clock::time_point m_stepShownAt; // when the step came on show
    // The picture's pixels as painted: tinted, transparent where its mask is.
    const QImage& paintedPixels() const;
    mutable QImage m_pixels;
    mutable const tLogoPicture* m_pixelsOf = nullptr;
    mutable QRgb m_pixelsPen = 0;
    mutable std::optional<QRgb> m_pixelsTint;
    // One for each step of a vector shape, each keeping the pixel form of its last placement.
    std::vector<std::unique_ptr<DrawingRenderer>> m_renderers;
};

} // namespace velmora
