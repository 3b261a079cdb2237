// SurfaceToolInput: the left button drawing on a surface's background with the tool the program
// chose: freehand lines after the mouse, paint sprayed around it while the button is held, or a
// line, rectangle or ellipse stretched from where the button went down to where it is let go,
// its outline shown over the surface meanwhile. Everything is drawn with the background pen.
//
// In the window thread, under the interpreter lock (the pen and the random source are guarded by
// it), except the outline's painting, which uses a copy of the pen.
#pragma once

#include "graphics/BackgroundPen.h"
#include "graphics/Surface.h"
#include "graphics/SurfaceTool.h"

#include <QPoint>

class QPainter;

namespace velmora {

class SurfaceToolInput {
public:
    explicit SurfaceToolInput(Surface& surface)
        : m_surface(surface)
    {
    }

    // Whether a stroke of a tool is under way: the widget gives it the mouse until the button is
    // let go.
    bool drawing() const { return m_tool != SurfaceTool::None; }
    bool spraying() const { return m_tool == SurfaceTool::Spray; }

    void press(SurfaceTool tool, QPoint at);
    void move(QPoint at);
    void release(QPoint at);
    // One puff of the spray, where the mouse is now.
    void spray();
    // The outline of the shape being stretched, over the surface; nothing otherwise.
    void paintOutline(QPainter& painter) const;
    // The area the outline takes, to repaint as it changes.
    QRect outlineArea() const;

private:
    Surface& m_surface;
    SurfaceTool m_tool = SurfaceTool::None;
    BackgroundPen m_pen;
    QPoint m_anchor;
    QPoint m_mouse;
};

} // namespace velmora
