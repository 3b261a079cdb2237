#include "graphics/DrawingRenderer.h"

#include "graphics/Dots.h"
#include "graphics/Surface.h"
#include "graphics/TurtlePatterns.h"
#include "values/Angles.h"

#include <QPen>

#include <algorithm>
#include <cmath>

namespace velmora {

namespace {

    // A whole ellipse that scaling leaves a circle: a true ellipse is drawn in its place.
    bool staysCircle(const EllipseRecord& record, QPointF scale)
    {
        return record.full
            && std::fabs(
                   record.radiusX * std::fabs(scale.x()) - record.radiusY * std::fabs(scale.y()))
            < 1e-9;
    }

    // The pen and brush as the items so far have set them.
    struct RenderState {
        QRgb penColour = qRgb(0, 0, 0);
        int32_t penWidth = 1;
        LineStyle lineStyle = LineStyle::SolidInsideFrame;
        FillStyle fill { 0, 0 };

        QPen pen(const Ink& ink) const
        {
            const Qt::PenStyle style = qtPenStyle(lineStyle);
            return QPen(QColor(ink.pen(penColour)), penWidth, style,
                style == Qt::SolidLine ? Qt::RoundCap : Qt::FlatCap, Qt::RoundJoin);
        }

        QBrush brush(const Ink& ink) const
        {
            return QBrush(QColor(ink.brush(fill.colour)), brushStyleOf(fill.pattern));
        }

        // A thin copied line also paints its end pixel, as a turtle's line does.
        bool paintsEndPixel(const Ink& ink) const
        {
            return penWidth <= 1 && qtPenStyle(lineStyle) == Qt::SolidLine
                && ink.mode != PenMode::Reverse;
        }
    };

} // namespace

QRect DrawingRenderer::repaintArea() const
{
    if (m_bounds.isNull())
        return {};
    const int reach = m_widestPen / 2;
    return m_bounds.adjusted(-4 - reach, -4 - reach, 5 + reach, 5 + reach);
}

QPoint DrawingRenderer::toPixel(const DrawingPoint& point) const
{
    const double x = double(point.x) * m_placed->scale.x();
    const double y = double(point.y) * m_placed->scale.y();
    return QPoint(roundToPixel(x * m_cosine - y * m_sine + m_placed->position.x()),
        roundToPixel(x * m_sine + y * m_cosine + m_placed->position.y()));
}

void DrawingRenderer::place(const DrawingPlacement& placement)
{
    m_placed = placement;
    m_placedGeneration = m_list.generation();
    const CosineAndSine turn = cosineAndSineOfDegrees(placement.heading);
    m_cosine = double(turn.cosine);
    m_sine = double(turn.sine);
    m_pixels.clear();
    m_bounds = QRect();
    m_widestPen = 1;
    FontRecord font;
    for (const DrawingItem& item : m_list.items()) {
        PixelItem pixels;
        for (const DrawingPoint& point : item.points)
            pixels.points << toPixel(point);
        switch (item.type) {
        case DrawingItemType::Line:
        case DrawingItemType::Polygon:
            m_bounds |= pixels.points.boundingRect();
            break;
        case DrawingItemType::Ellipse:
        case DrawingItemType::FilledEllipse: {
            const EllipseRecord& record = std::get<EllipseRecord>(item.payload);
            if (staysCircle(record, placement.scale)) {
                const QPoint centre = toPixel(record.centre);
                const double radius = double(record.radiusX) * std::fabs(placement.scale.x());
                const int reach = roundToPixel(radius);
                pixels.ellipseBox = QRect(centre - QPoint(reach, reach), QSize(2, 2) * reach);
                m_bounds |= *pixels.ellipseBox;
            } else {
                m_bounds |= pixels.points.boundingRect();
            }
            break;
        }
        case DrawingItemType::Dot:
            m_bounds |= dotArea(pixels.points.front(), std::get<int32_t>(item.payload));
            break;
        case DrawingItemType::PenWidth:
            m_widestPen = std::max(m_widestPen, std::get<int32_t>(item.payload));
            break;
        case DrawingItemType::Font:
            font = std::get<FontRecord>(item.payload);
            break;
        case DrawingItemType::Label:
        case DrawingItemType::LabelMoving:
            pixels.label.emplace(item.text, font);
            m_bounds |= pixels.label->area(pixels.points.front(),
                double(std::get<LogoReal>(item.payload)) + placement.heading);
            break;
        case DrawingItemType::PenColour:
        case DrawingItemType::Fill:
        case DrawingItemType::PenPattern:
            break;
        }
        m_pixels.push_back(std::move(pixels));
    }
    m_hotSpot = QPoint(roundToPixel(placement.position.x()), roundToPixel(placement.position.y()))
        - m_bounds.topLeft();
}

QRect DrawingRenderer::areaAt(const DrawingPlacement& placement)
{
    std::lock_guard hold(m_list.lock());
    if (m_placed != placement || m_placedGeneration != m_list.generation())
        place(placement);
    return repaintArea();
}

QRect DrawingRenderer::render(QPainter& painter, const DrawingPlacement& placement, const Ink& ink)
{
    std::lock_guard hold(m_list.lock());
    if (m_placed != placement || m_placedGeneration != m_list.generation())
        place(placement);
    painter.save();
    RenderState state;
    const std::vector<DrawingItem>& items = m_list.items();
    for (size_t index = 0; index < items.size(); ++index) {
        const DrawingItem& item = items[index];
        const PixelItem& pixels = m_pixels[index];
        switch (item.type) {
        case DrawingItemType::PenColour:
            state.penColour = std::get<Colour>(item.payload);
            break;
        case DrawingItemType::Fill:
            state.fill = std::get<FillStyle>(item.payload);
            break;
        case DrawingItemType::PenWidth:
            state.penWidth = std::get<int32_t>(item.payload);
            break;
        case DrawingItemType::PenPattern:
            state.lineStyle = lineStyleOf(std::get<int32_t>(item.payload));
            break;
        case DrawingItemType::Line:
            painter.setPen(state.pen(ink));
            painter.drawPolyline(pixels.points);
            if (state.paintsEndPixel(ink))
                painter.drawPoint(pixels.points.back());
            break;
        case DrawingItemType::Polygon:
            painter.setPen(state.pen(ink));
            painter.setBrush(state.brush(ink));
            painter.drawPolygon(pixels.points);
            painter.setBrush(Qt::NoBrush);
            break;
        case DrawingItemType::Ellipse:
        case DrawingItemType::FilledEllipse: {
            const bool filled = item.type == DrawingItemType::FilledEllipse;
            painter.setPen(state.pen(ink));
            painter.setBrush(filled ? state.brush(ink) : QBrush(Qt::NoBrush));
            if (pixels.ellipseBox)
                painter.drawEllipse(
                    outlinePath(*pixels.ellipseBox, state.penWidth, state.lineStyle));
            else if (filled)
                painter.drawPolygon(pixels.points);
            else
                painter.drawPolyline(pixels.points);
            painter.setBrush(Qt::NoBrush);
            break;
        }
        case DrawingItemType::Dot:
            paintDot(painter, pixels.points.front(), std::get<int32_t>(item.payload),
                QColor(ink.pen(state.penColour)));
            break;
        case DrawingItemType::Label:
        case DrawingItemType::LabelMoving:
            pixels.label->draw(painter, pixels.points.front(),
                double(std::get<LogoReal>(item.payload)) + placement.heading,
                QColor(ink.pen(state.penColour)), QColor(ink.background));
            break;
        case DrawingItemType::Font:
            break;
        }
    }
    painter.restore();
    return repaintArea();
}

} // namespace velmora
