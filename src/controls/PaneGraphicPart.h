// PaneGraphicPart: the graphic part of a pane, which turns the mouse input of its window into the
// pane's events and lets the user move the pane over its page ("startMove", Shift with the right
// button). The pane keeps its size.
#pragma once

#include "controls/SurfaceWidget.h"
#include "objects/GraphicPart.h"

#include <QPointer>
#include <QRect>

namespace velmora {

class PaneGraphicPart : public tLogoGrObject {
public:
    PaneGraphicPart(tmultiobject& owner, QRect area)
        : tLogoGrObject(owner)
        , m_area(area)
    {
    }

    // The window that shows the pane, once it is made.
    void setWindow(SurfaceWidget* window) { m_window = window; }

protected:
    ControlBounds bounds() const override;
    void setBounds(const ControlBounds& bounds) override;
    bool mayMove() const override { return true; }
    bool mayResize() const override { return false; }
    bool dragsItself() const override { return false; }
    bool acceptsTools() const override { return true; }
    void captureMouse(bool captured, MouseCursor cursor) override;

private:
    QRect m_area; // on the page, under the interpreter lock
    QPointer<SurfaceWidget> m_window;
};

} // namespace velmora
