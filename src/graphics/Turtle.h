// tTurtle: a turtle, the drawing object of a page or a pane. It has a position (in pixels of its
// surface, y down, held exactly so that many small steps add up), a heading (degrees clockwise
// from north), a pen and a visibility, draws into its surface's background as it moves and is
// painted over it as the default triangle.
//
// The turtle's state belongs to the Logo processes (under the interpreter lock); what the window
// thread paints is a copy, changed under the surface's items lock.
#pragma once

#include "graphics/PixelRange.h"
#include "graphics/Surface.h"
#include "graphics/TurtleMotion.h"
#include "objects/ControlObject.h"
#include "values/LogoObject.h"

#include <QColor>

#include <optional>

namespace velmora {

enum class PenMode : uint8_t { Up, Down, Reverse, Erase };

class tTurtle : public tControlObject, public SurfaceItem {
public:
    tTurtle(tmultiobject* turtleClass, std::string name);
    ~tTurtle() override;

    std::string_view className() const override { return "turtle"; }

    // Joins the surface it draws on, at its start position.
    void placeOn(Surface& surface, PixelPoint start, LogoReal heading);
    // The turtle of the running process's current object; error 78 when that is no turtle.
    static tTurtle& current();

    Surface& surface() const;
    PixelPoint position() const { return m_position; }
    // Cartesian coordinates, y up.
    LogoReal x() const { return m_position.x - surface().origin().x(); }
    LogoReal y() const { return surface().origin().y() - m_position.y; }
    LogoReal heading() const { return m_heading; }
    void setHeading(LogoReal heading);

    // How a move treats the edges and whether it draws.
    struct MoveRules {
        RangeStyle style;
        bool drawing = true;
        bool events = true; // raise "onBounce"
    };
    // Moves to a pixel position under the turtle's own edge behaviour, drawing with the pen.
    void moveTo(PixelPoint target) { moveTo(target, { m_rangeStyle }); }
    void moveTo(PixelPoint target, MoveRules rules);
    void forward(LogoReal distance);
    // Back to the home position and heading, without drawing.
    void home();
    PixelPoint homePosition() const { return m_home; }
    LogoReal homeHeading() const { return m_homeHeading; }
    void setHome(PixelPoint position, LogoReal heading);

    RangeStyle rangeStyle() const { return m_rangeStyle; }
    // Unless the style is "window", the turtle is then brought inside the range.
    void setRange(RangeStyle style, std::optional<PixelRange> range);
    const std::optional<PixelRange>& range() const { return m_range; }

    PenMode penMode() const { return m_penMode; }
    void setPenMode(PenMode mode) { m_penMode = mode; }
    QRgb penColour() const { return m_penColour; }
    void setPenColour(QRgb colour);
    int32_t penWidth() const { return m_penWidth; }
    void setPenWidth(int32_t width) { m_penWidth = width; }

    bool shown() const { return m_shown; }
    void setShown(bool shown);

    void paint(QPainter& painter) const override;
    void destroy() override;

private:
    // Where the turtle may go: its range, else its whole surface.
    PixelRange bounds() const;
    void drawSegment(const PixelPoint& from, const PixelPoint& to, const QRect& clip);
    // Copies the painted state for the window thread and repaints where the shape was and is.
    void showState();
    QRect shapeArea(QPointF position) const;

    Surface* m_surface = nullptr;
    PixelPoint m_position { 0, 0 };
    LogoReal m_heading = 0;
    PixelPoint m_home { 0, 0 };
    LogoReal m_homeHeading = 0;
    RangeStyle m_rangeStyle = RangeStyle::Wrap;
    std::optional<PixelRange> m_range;
    PenMode m_penMode = PenMode::Down;
    QRgb m_penColour = qRgb(0, 0, 0);
    int32_t m_penWidth = 1;
    bool m_shown = true;
    bool m_bouncedLast = false; // the last move reflected the turtle

    struct Painted {
        QPointF position;
        double heading = 0;
        QRgb colour = 0;
        bool shown = false;
    };
    Painted m_painted; // under the surface's items lock
};

} // namespace velmora
