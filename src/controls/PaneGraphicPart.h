// PaneGraphicPart: the graphic part of a pane, which turns the mouse input of its window into the
// pane's events and lets the user move the pane over its page ("startMove", Shift with the right
// button), resize it (Ctrl with the right button in the grip at its bottom-right corner) and drag
// it with the left button when its "autoDrag" is on.
#pragma once

#include "controls/SurfaceWidget.h"
#include "objects/GraphicPart.h"

#include <QPointer>

namespace velmora {

class tlogopane;

class PaneGraphicPart : public tLogoGrObject {
public:
    explicit PaneGraphicPart(tlogopane& pane);

    // The window that shows the pane, once it is made.
    void setWindow(SurfaceWidget* window) { m_window = window; }

protected:
    ControlBounds bounds() const override;
    void setBounds(const ControlBounds& bounds) override;
    bool mayMove() const override { return true; }
    bool mayResize() const override { return true; }
    bool dragsItself() const override;
    bool acceptsTools() const override { return true; }
    void captureMouse(bool captured, MouseCursor cursor) override;

private:
    tlogopane& m_pane;
    QPointer<SurfaceWidget> m_window;
};

} // namespace velmora
