#include "graphics/Turtle.h"

#include "graphics/TurtleHeading.h"
#include "interpreter/InterpreterState.h"
#include "localization/EventCodes.h"
#include "objects/EventRaising.h"
#include "values/Errors.h"

#include <QPainter>
#include <QPolygonF>

#include <cmath>

namespace velmora {

namespace {

    // The default shape: a triangle pointing along the heading, its tip this far ahead of the
    // position and its base this far behind and to each side.
    constexpr double tipAhead = 14;
    constexpr double baseBehind = 6;
    constexpr double baseAside = 8;
    constexpr int shapeReach = 16;

    QPointF along(QPointF origin, double headingDegrees, double ahead, double aside)
    {
        const double radians = headingDegrees * M_PI / 180;
        const QPointF forward(std::sin(radians), -std::cos(radians));
        const QPointF right(std::cos(radians), std::sin(radians));
        return origin + forward * ahead + right * aside;
    }

} // namespace

tTurtle::tTurtle(tmultiobject* turtleClass, std::string name)
    : tControlObject({ turtleClass }, std::move(name))
{
}

tTurtle::~tTurtle()
{
    if (m_surface)
        m_surface->removeItem(this);
}

tTurtle& tTurtle::current()
{
    InterpreterState* state = InterpreterState::current();
    auto* turtle = state ? dynamic_cast<tTurtle*>(state->currentObject) : nullptr;
    if (!turtle || !turtle->m_surface)
        throw eLogoException(erInitTurtle);
    return *turtle;
}

void tTurtle::placeOn(Surface& surface, PixelPoint start, LogoReal heading)
{
    m_surface = &surface;
    m_position = m_home = start;
    m_heading = m_homeHeading = normalizedHeading(heading);
    surface.addItem(this);
    showState();
}

Surface& tTurtle::surface() const { return *m_surface; }

void tTurtle::setHeading(LogoReal heading)
{
    m_heading = normalizedHeading(heading);
    showState();
}

void tTurtle::setHome(PixelPoint position, LogoReal heading)
{
    m_home = position;
    m_homeHeading = normalizedHeading(heading);
}

PixelRange tTurtle::bounds() const
{
    return m_range.value_or(PixelRange::ofPane(m_surface->size()));
}

// A backward move that bounced turns round once more, so that the turtle backs away from the wall.
void tTurtle::forward(LogoReal distance)
{
    moveTo(forwardTarget(m_position, m_heading, distance));
    if (m_bouncedLast && distance < 0)
        setHeading(m_heading + 180);
}

void tTurtle::moveTo(PixelPoint target, MoveRules rules)
{
    const bool drawing = rules.drawing && m_penMode != PenMode::Up;
    const PixelRange range = bounds();
    const QRect clip = rules.style == RangeStyle::Window ? m_surface->bounds() : range.clipRect();
    const MoveResult moved = moveTurtle(m_position, target, rules.style, range,
        drawing ? SegmentDrawer(
            [&](const PixelPoint& from, const PixelPoint& to) { drawSegment(from, to, clip); })
                : SegmentDrawer());
    m_position = moved.position;
    m_bouncedLast = moved.bouncePoint.has_value();
    if (m_bouncedLast)
        m_heading = normalizedHeading(headingTowards(m_position, *moved.bouncePoint) + 180);
    showState();
    if (m_bouncedLast && rules.events)
        startEventProcess(*this, EventCodes::instance().eventCode("onBounce"));
}

void tTurtle::home()
{
    m_heading = m_homeHeading;
    moveTo(m_home, { m_rangeStyle, false });
    m_home = m_position;
}

void tTurtle::setRange(RangeStyle style, std::optional<PixelRange> range)
{
    m_rangeStyle = style;
    m_range = range;
    if (style != RangeStyle::Window)
        moveTo(m_position, { RangeStyle::Fence, false, false });
}

// The shape is drawn in the pen's colour.
void tTurtle::setPenColour(QRgb colour)
{
    m_penColour = colour;
    showState();
}

void tTurtle::setShown(bool shown)
{
    m_shown = shown;
    showState();
}

// A one-pixel line that does not draw by exclusive-or also paints its end pixel, so that a
// closed figure leaves no gap at its last corner.
void tTurtle::drawSegment(const PixelPoint& from, const PixelPoint& to, const QRect& clip)
{
    const QPoint start = from.rounded();
    const QPoint end = to.rounded();
    const bool reverse = m_penMode == PenMode::Reverse;
    const QColor colour(m_penMode == PenMode::Erase ? m_surface->background() : m_penColour);
    {
        std::lock_guard hold(m_surface->lock());
        QPainter painter(&m_surface->bitmap());
        painter.setClipRect(clip);
        if (reverse)
            painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        painter.setPen(QPen(reverse ? QColor(Qt::white) : colour, m_penWidth, Qt::SolidLine,
            Qt::RoundCap, Qt::RoundJoin));
        painter.drawLine(start, end);
        if (m_penWidth == 1 && !reverse)
            painter.drawPoint(end);
    }
    const int grow = m_penWidth / 2 + 3;
    m_surface->invalidate(QRect(start, end).normalized().adjusted(-grow, -grow, grow, grow));
}

QRect tTurtle::shapeArea(QPointF position) const
{
    const QPoint centre(roundToPixel(position.x()), roundToPixel(position.y()));
    return QRect(centre - QPoint(shapeReach, shapeReach), QSize(2, 2) * shapeReach + QSize(1, 1));
}

void tTurtle::showState()
{
    if (!m_surface)
        return;
    QRect changed;
    m_surface->changeItems([&] {
        changed = shapeArea(m_painted.position);
        m_painted = { m_position.rounded(), static_cast<double>(m_heading), m_penColour, m_shown };
    });
    m_surface->invalidate(changed.united(shapeArea(m_position.rounded())));
}

void tTurtle::paint(QPainter& painter) const
{
    if (!m_painted.shown)
        return;
    const QPointF at = m_painted.position;
    const QPolygonF triangle({ along(at, m_painted.heading, tipAhead, 0),
        along(at, m_painted.heading, -baseBehind, -baseAside),
        along(at, m_painted.heading, -baseBehind, baseAside) });
    painter.setPen(QPen(QColor(m_painted.colour), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolygon(triangle);
}

void tTurtle::destroy()
{
    if (m_surface) {
        m_surface->removeItem(this);
        m_surface = nullptr;
    }
    tControlObject::destroy();
}

} // namespace velmora
