// TurtleGraphicPart: the graphic part of a turtle, which turns the mouse input on its shape into
// the turtle's events. A turtle the user may drag ("autoDrag") follows the mouse with the left
// button down; Shift with the right button moves any turtle that is not frozen. Moved by the
// mouse, a turtle keeps inside its range unless its style is "window", and draws nothing.
#pragma once

#include "objects/GraphicPart.h"

namespace velmora {

class tTurtle;

class TurtleGraphicPart : public tLogoGrObject {
public:
    explicit TurtleGraphicPart(tTurtle& turtle);

protected:
    ControlBounds bounds() const override;
    void setBounds(const ControlBounds& bounds) override;
    bool mayMove() const override { return true; }
    bool mayResize() const override { return false; }
    bool dragsItself() const override;
    bool acceptsTools() const override { return true; }
    // The window keeps the mouse while a button is down by itself.
    void captureMouse(bool captured, MouseCursor) override;
    std::string hint() const override;

private:
    tTurtle& m_turtle;
};

} // namespace velmora
