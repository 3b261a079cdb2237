#include "graphics/BackgroundDrawing.h"

#include "graphics/ScanlineFill.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <functional>
#include <numbers>

namespace velmora {

namespace {

    // Draws with the surface's background pen under the surface lock, then repaints `area`
    // grown by the pen's width, which is as far as a stroke can reach beyond its path.
    void paintBackground(
        Surface& surface, const QRect& area, const std::function<void(QPainter&)>& draw)
    {
        const BackgroundPen pen = surface.backgroundPen();
        {
            std::lock_guard hold(surface.lock());
            QPainter painter(&surface.bitmap());
            painter.setPen(pen.qpen());
            draw(painter);
        }
        const int reach = pen.width;
        surface.invalidate(area.adjusted(-reach, -reach, reach, reach));
    }

    // Degrees counterclockwise from the box's 3 o'clock, as QPainterPath measures them on an
    // ellipse (the angle of the circle the ellipse is stretched from), of the ray towards `point`.
    qreal arcAngle(const QRectF& box, QPoint point)
    {
        const QPointF offset = QPointF(point) - box.center();
        const qreal x = offset.x() / std::max(box.width(), 1.0);
        const qreal y = -offset.y() / std::max(box.height(), 1.0);
        return std::atan2(y, x) * 180 / std::numbers::pi;
    }

} // namespace

void drawBackgroundLine(Surface& surface, QPoint from, QPoint to)
{
    paintBackground(surface, QRect(from, to).normalized(),
        [&](QPainter& painter) { painter.drawLine(from, to); });
}

void drawBackgroundDots(Surface& surface, std::span<const QPoint> places)
{
    if (places.empty())
        return;
    QRect area(places.front(), QSize(1, 1));
    for (const QPoint& place : places)
        area |= QRect(place, QSize(1, 1));
    paintBackground(surface, area, [&](QPainter& painter) {
        for (const QPoint& place : places)
            painter.drawPoint(place);
    });
}

void setBackgroundPixels(Surface& surface, std::span<const QPoint> places)
{
    const QRgb colour = surface.backgroundPen().colour;
    QRect area;
    {
        std::lock_guard hold(surface.lock());
        QImage& bitmap = surface.bitmap();
        for (const QPoint& place : places) {
            if (!bitmap.valid(place))
                continue;
            bitmap.setPixel(place, colour);
            area |= QRect(place, QSize(1, 1));
        }
    }
    surface.invalidate(area);
}

void drawBackgroundRectangle(Surface& surface, const QRect& box, ShapeFill fill)
{
    const BackgroundPen& pen = surface.backgroundPen();
    paintBackground(surface, box, [&](QPainter& painter) {
        if (fill == ShapeFill::Filled)
            painter.fillRect(box, QColor::fromRgb(pen.colour));
        if (pen.drawsOutlines())
            painter.drawRect(pen.outlinePath(box));
    });
}

void drawBackgroundEllipse(Surface& surface, const QRect& box, ShapeFill fill)
{
    const BackgroundPen& pen = surface.backgroundPen();
    paintBackground(surface, box, [&](QPainter& painter) {
        if (fill == ShapeFill::Filled)
            painter.setBrush(QColor::fromRgb(pen.colour));
        painter.drawEllipse(pen.outlinePath(box));
    });
}

void drawBackgroundArc(Surface& surface, const QRect& box, QPoint from, QPoint to)
{
    const QRectF path = surface.backgroundPen().outlinePath(box);
    const qreal start = arcAngle(path, from);
    qreal sweep = std::fmod(arcAngle(path, to) - start + 360, 360);
    if (sweep == 0)
        sweep = 360;
    paintBackground(surface, box, [&](QPainter& painter) {
        QPainterPath arc;
        arc.arcMoveTo(path, start);
        arc.arcTo(path, start, sweep);
        painter.drawPath(arc);
    });
}

void fillBackgroundRegion(Surface& surface, QPoint seed)
{
    QRect changed;
    {
        std::lock_guard hold(surface.lock());
        changed = scanlineFill(surface.bitmap(), seed, surface.backgroundPen().colour);
    }
    if (!changed.isEmpty())
        surface.invalidate(changed);
}

} // namespace velmora
