#include "graphics/TurtleGraphicPart.h"

#include "graphics/Turtle.h"

namespace velmora {

TurtleGraphicPart::TurtleGraphicPart(tTurtle& turtle)
    : tLogoGrObject(turtle)
    , m_turtle(turtle)
{
}

ControlBounds TurtleGraphicPart::bounds() const
{
    const QRect shape = m_turtle.shapeRectangle();
    return { shape.left(), shape.top(), shape.width(), shape.height() };
}

// The shape's new place moves the hot spot by as much.
void TurtleGraphicPart::setBounds(const ControlBounds& bounds)
{
    const QRect shape = m_turtle.shapeRectangle();
    const PixelPoint position = m_turtle.position();
    const RangeStyle style
        = m_turtle.rangeStyle() == RangeStyle::Window ? RangeStyle::Window : RangeStyle::Fence;
    m_turtle.moveTo(
        { position.x + (bounds.left - shape.left()), position.y + (bounds.top - shape.top()) },
        { style, false, false });
}

// A turtle the user moves takes the mouse input of its surface's window: the mouse may leave its
// shape faster than the shape follows.
void TurtleGraphicPart::captureMouse(bool captured, MouseCursor)
{
    m_turtle.captureMouse(captured);
}

bool TurtleGraphicPart::dragsItself() const { return m_turtle.autoDrag(); }

std::string TurtleGraphicPart::hint() const { return m_turtle.hint(); }

} // namespace velmora
