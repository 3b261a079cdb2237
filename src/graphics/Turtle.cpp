#include "graphics/Turtle.h"

#include "graphics/SurfaceDrawing.h"
#include "graphics/TurtleGraphicPart.h"
#include "graphics/TurtleHeading.h"
#include "graphics/TurtlePositions.h"
#include "interpreter/InterpreterState.h"
#include "localization/EventCodes.h"
#include "objects/EventRaising.h"
#include "values/Errors.h"

#include <QPainter>
#include <QPolygonF>

#include <cmath>
#include <typeinfo>
#include <utility>

namespace velmora {

namespace {

    // The default shape: a triangle pointing along the heading, its tip this far ahead of the
    // position and its base this far behind and to each side.
    constexpr double tipAhead = 14;
    constexpr double baseBehind = 6;
    constexpr double baseAside = 8;
    constexpr int shapeReach = 16;

    QRect defaultShapeArea(QPoint centre)
    {
        return QRect(
            centre - QPoint(shapeReach, shapeReach), QSize(2, 2) * shapeReach + QSize(1, 1));
    }

    QPointF along(QPointF origin, double headingDegrees, double ahead, double aside)
    {
        const double radians = headingDegrees * M_PI / 180;
        const QPointF forward(std::sin(radians), -std::cos(radians));
        const QPointF right(std::cos(radians), std::sin(radians));
        return origin + forward * ahead + right * aside;
    }

    void paintTriangle(QPainter& painter, QPointF at, double heading, QColor colour)
    {
        const QPolygonF triangle(
            { along(at, heading, tipAhead, 0), along(at, heading, -baseBehind, -baseAside),
                along(at, heading, -baseBehind, baseAside) });
        painter.setPen(QPen(colour, 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawPolygon(triangle);
    }

} // namespace

tTurtle::tTurtle(tmultiobject* turtleClass, std::string name)
    : tControlObject({ turtleClass }, std::move(name))
    , m_graphicPart(std::make_shared<TurtleGraphicPart>(*this))
{
}

tTurtle::~tTurtle()
{
    if (m_surface)
        m_surface->removeItem(this);
}

namespace {

    // Every turtle command asks this of its object. A dynamic cast that fails compares the names
    // of the classes along the object's bases; the exact type, which turtles have, is one compare.
    tTurtle& asTurtle(tlogoobject* object)
    {
        tTurtle* turtle = nullptr;
        if (object && typeid(*object) == typeid(tTurtle))
            turtle = static_cast<tTurtle*>(object);
        else
            turtle = dynamic_cast<tTurtle*>(object);
        if (!turtle || !turtle->onSurface())
            throw eLogoException(erInitTurtle);
        return *turtle;
    }

} // namespace

tTurtle& tTurtle::current()
{
    InterpreterState* state = InterpreterState::current();
    return asTurtle(state ? state->currentObject : nullptr);
}

tTurtle& tTurtle::of(tmultiobject& object) { return asTurtle(&object); }

void tTurtle::placeOn(Surface& surface, PixelPoint start, LogoReal heading)
{
    m_surface = &surface;
    m_position = m_home = start;
    m_heading = m_homeHeading = normalizedHeading(heading);
    m_shownShape = std::make_unique<ShownShape>(surface);
    surface.addItem(this);
    showState();
}

Surface& tTurtle::surface() const { return *m_surface; }

LogoReal tTurtle::x() const { return cartesianOf(m_position, surface()).x; }

LogoReal tTurtle::y() const { return cartesianOf(m_position, surface()).y; }

void tTurtle::setHeading(LogoReal heading)
{
    m_heading = normalizedHeading(heading);
    m_graphic.followHeading(static_cast<double>(m_heading));
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
    const bool drawing = rules.drawing && m_pen.mode != PenMode::Up;
    const PixelRange range = bounds();
    // Without a range of its own the turtle's range is its whole surface.
    const QRect clip
        = rules.style == RangeStyle::Window || !m_range ? m_surface->bounds() : m_range->clipRect();
    QRect drawn;
    const MoveResult moved = moveTurtle(m_position, target, rules.style, range,
        drawing ? SegmentDrawer([&](const PixelPoint& from, const PixelPoint& to) {
            drawn |= m_pen.drawLine(*m_surface, from.rounded(), to.rounded(), clip);
        })
                : SegmentDrawer());
    m_position = moved.position;
    m_bouncedLast = moved.bouncePoint.has_value();
    if (m_bouncedLast) {
        m_heading = normalizedHeading(headingTowards(m_position, *moved.bouncePoint) + 180);
        m_graphic.followHeading(static_cast<double>(m_heading));
    }
    showState(drawn);
    if (m_bouncedLast && rules.events)
        startEventProcess(*this, EventCodes::instance().eventCode("onBounce"));
    if (rules.events)
        raiseCollision();
}

// The surface's item list is walked under its lock, and the handler started once it is released.
void tTurtle::raiseCollision()
{
    if (!m_sensitive || !m_shown)
        return;
    const OverlapTest test = overlapTestInForce();
    const tTurtle* hit = m_surface->firstItemOfType<tTurtle>(
        [&](const tTurtle& other) { return other.m_sensitive && overlaps(other, test); });
    if (hit)
        startEventProcess(*this, EventCodes::instance().eventCode("onCollide"));
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
    m_pen.colour = m_fillColour = colour;
    showState();
}

void tTurtle::setPen(const TurtlePen& pen)
{
    m_pen = pen;
    setPenColour(pen.colour);
}

QRect tTurtle::drawingClip() const { return m_range ? m_range->clipRect() : m_surface->bounds(); }

void tTurtle::dot(int32_t size) { m_pen.drawDot(*m_surface, m_position.rounded(), size); }

QRgb tTurtle::colourUnder() const { return m_surface->pixelAt(m_position.rounded()); }

void tTurtle::setShown(bool shown)
{
    m_shown = shown;
    showState();
}

bool tTurtle::covers(QPoint at) const
{
    return m_surface && m_shown && shapeRectangle().contains(at);
}

QRect tTurtle::shapeRectangle() const { return shapeArea(m_position.rounded()); }

bool tTurtle::overlaps(const tTurtle& other, OverlapTest test) const
{
    return &other != this && m_shown && other.m_shown && m_surface == other.m_surface
        && shapesOverlap(shapeRectangle(), other.shapeRectangle(), test);
}

void tTurtle::captureMouse(bool captured)
{
    if (m_surface)
        m_surface->setMouseCapture(captured ? m_graphicPart : std::weak_ptr<tLogoGrObject>());
}

void tTurtle::toFront()
{
    m_surface->moveItemToTop(this);
    m_surface->invalidate(shapeRectangle());
}

void tTurtle::toBack()
{
    m_surface->moveItemToBottom(this);
    m_surface->invalidate(shapeRectangle());
}

QRect tTurtle::shapeArea(QPoint centre) const
{
    if (const tDrawingList* drawing = currentDrawing()) {
        DrawingRenderer renderer(*drawing);
        renderer.areaAt(drawingPlacement(centre));
        return renderer.bounds();
    }
    if (const FrameRef frame = m_graphic.currentFrame(); frame && frame->count() > 0) {
        const size_t step = std::min<size_t>(m_graphic.stepIndex(), frame->count() - 1);
        return pictureArea(*frame->pictures()[step], centre, m_graphic.scale());
    }
    return defaultShapeArea(centre);
}

const tDrawingList* tTurtle::currentDrawing() const
{
    const auto& drawings = m_graphic.drawings();
    if (drawings.empty())
        return nullptr;
    return drawings[std::min<size_t>(m_graphic.stepIndex(), drawings.size() - 1)].get();
}

// A vector shape turns with the heading unless its frames are chosen by hand.
DrawingPlacement tTurtle::drawingPlacement(QPoint at) const
{
    return { QPointF(at), m_graphic.scale(),
        m_graphic.headingMode() ? static_cast<double>(m_heading) : 0.0 };
}

int tTurtle::shownStep() const
{
    int step = 0;
    m_surface->changeItems([&] { step = m_shownShape->step(); });
    return step;
}

void tTurtle::restartAnimation()
{
    m_shownShape->stopAnimation();
    m_surface->changeItems([&] { m_shownShape->restartAnimation(); });
    showState();
}

void tTurtle::showState(const QRect& drawn, bool stepChosen)
{
    if (!m_surface)
        return;
    const QPoint at = m_position.rounded();
    QRect changed = drawn | shapeArea(at);
    const bool bitmap = m_graphic.hasImage() || m_graphic.hasDrawings();
    const ShownShape::State shape { .frame = m_graphic.currentFrame(),
        .drawings = m_graphic.drawings(),
        .heading = drawingPlacement(at).heading,
        .position = at,
        .scale = m_graphic.scale(),
        .tint = m_graphic.tint(),
        .penColour = m_pen.colour,
        .loop = m_graphic.info().loop,
        .animation = m_graphic.animation() && m_shown,
        .delayScale = m_graphic.delayScale() };
    m_surface->changeItems([&] {
        changed |= m_painted.bitmap ? m_shownShape->area() : defaultShapeArea(m_painted.position);
        m_painted = { at, static_cast<double>(m_heading), m_pen.colour, m_shown, bitmap };
        m_shownShape->set(
            shape, stepChosen ? std::optional<int>(m_graphic.stepIndex()) : std::optional<int>());
        changed |= m_shownShape->area();
    });
    m_surface->invalidate(changed);
    // The turtle came under a resting mouse or left it: the window looks again at what is there.
    if (m_surface->mouseRestsIn(changed))
        m_surface->recheckMouse();
}

void tTurtle::paint(QPainter& painter) const
{
    if (!m_painted.shown)
        return;
    if (m_painted.bitmap) {
        m_shownShape->paint(painter);
        return;
    }
    paintTriangle(painter, m_painted.position, m_painted.heading, QColor(m_painted.colour));
}

void tTurtle::stamp()
{
    const Ink marking = ink();
    if (m_graphic.hasImage()) {
        QImage pixels;
        QRect area;
        m_surface->changeItems([&] {
            pixels = m_shownShape->pixels();
            area = m_shownShape->area();
        });
        drawOnSurface(*m_surface, drawingClip(), marking, [&](QPainter& painter) {
            painter.drawImage(area, pixels);
            return area;
        });
        return;
    }
    if (const tDrawingList* drawing = currentDrawing()) {
        DrawingRenderer renderer(*drawing);
        const DrawingPlacement placement = drawingPlacement(m_position.rounded());
        drawOnSurface(*m_surface, drawingClip(), marking,
            [&](QPainter& painter) { return renderer.render(painter, placement, marking); });
        return;
    }
    drawOnSurface(*m_surface, drawingClip(), marking, [&](QPainter& painter) {
        paintTriangle(painter, m_position.rounded(), static_cast<double>(m_heading),
            QColor(marking.pen(m_pen.colour)));
        return shapeRectangle();
    });
}

// With "transparentClick" on, a click where the shape is transparent reaches what lies under it.
std::shared_ptr<tLogoGrObject> tTurtle::mouseTargetAt(QPoint at) const
{
    if (!covers(at))
        return nullptr;
    if (m_graphic.transparentClick() && m_painted.bitmap && m_shownShape->transparentAt(at))
        return nullptr;
    return m_graphicPart;
}

void tTurtle::destroy()
{
    m_graphicPart.reset();
    if (m_surface) {
        m_surface->removeItem(this);
        m_surface = nullptr;
    }
    // Once off the surface the shape is painted no more, so nothing schedules it again: the
    // animation thread lets it go before its surface can.
    if (m_shownShape)
        m_shownShape->stopAnimation();
    tControlObject::destroy();
}

} // namespace velmora
