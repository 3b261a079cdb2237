#include "controls/SurfaceToolInput.h"

#include "graphics/BackgroundDrawing.h"
#include "graphics/RandomDots.h"
#include "graphics/RectangleInputs.h"

#include <QPainter>

namespace velmora {

namespace {

    bool isFlexible(SurfaceTool tool)
    {
        return tool != SurfaceTool::None && tool != SurfaceTool::Freehand
            && tool != SurfaceTool::Spray;
    }

    // From corner to corner, in the form whose right and bottom edges lie on the second corner.
    QRect spanned(QPoint from, QPoint to) { return RectangleCorners { from, to }.normalized(); }

    void drawFlexible(Surface& surface, SurfaceTool tool, QPoint from, QPoint to)
    {
        // Boxes reach just past the shape: the corner the mouse is on is drawn too.
        const QRect box = spanned(from, to).adjusted(0, 0, 1, 1);
        switch (tool) {
        case SurfaceTool::FlexibleLine:
            drawBackgroundLine(surface, from, to);
            break;
        case SurfaceTool::FlexibleRectangle:
            drawBackgroundRectangle(surface, box, ShapeFill::Outline);
            break;
        case SurfaceTool::FlexibleFilledRectangle:
            drawBackgroundRectangle(surface, box, ShapeFill::Filled);
            break;
        case SurfaceTool::FlexibleEllipse:
            drawBackgroundEllipse(surface, box, ShapeFill::Outline);
            break;
        case SurfaceTool::FlexibleFilledEllipse:
            drawBackgroundEllipse(surface, box, ShapeFill::Filled);
            break;
        default:
            break;
        }
    }

} // namespace

void SurfaceToolInput::press(SurfaceTool tool, QPoint at)
{
    m_tool = tool;
    m_pen = m_surface.backgroundPen();
    m_anchor = m_mouse = at;
    if (tool == SurfaceTool::Freehand)
        drawBackgroundLine(m_surface, at, at);
    else if (tool == SurfaceTool::Spray)
        spray();
}

void SurfaceToolInput::move(QPoint at)
{
    if (m_tool == SurfaceTool::Freehand)
        drawBackgroundLine(m_surface, m_mouse, at);
    const QRect before = outlineArea();
    m_mouse = at;
    if (isFlexible(m_tool))
        m_surface.invalidate(before | outlineArea());
}

void SurfaceToolInput::release(QPoint at)
{
    move(at);
    const QRect outline = outlineArea();
    if (isFlexible(m_tool))
        drawFlexible(m_surface, m_tool, m_anchor, at);
    m_tool = SurfaceTool::None;
    m_surface.invalidate(outline);
}

// A puff sets w² pixels (a quarter as many for pens wider than 2) within w of the mouse.
void SurfaceToolInput::spray()
{
    const int32_t width = m_pen.width;
    const int32_t count = width > 2 ? width * width / 4 : width * width;
    setBackgroundPixels(m_surface, randomDotPlaces(m_mouse, count, width));
}

QRect SurfaceToolInput::outlineArea() const
{
    if (!isFlexible(m_tool))
        return {};
    const int reach = m_pen.width + 1;
    return spanned(m_anchor, m_mouse).adjusted(-reach, -reach, reach, reach);
}

// The outline is a thin dotted line in the pen's colour, so that the stretched shape shows on
// any background without being taken for what will be drawn.
void SurfaceToolInput::paintOutline(QPainter& painter) const
{
    if (!isFlexible(m_tool))
        return;
    painter.setPen(QPen(QColor::fromRgb(m_pen.colour), 1, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    const QRect box = spanned(m_anchor, m_mouse);
    switch (m_tool) {
    case SurfaceTool::FlexibleLine:
        painter.drawLine(m_anchor, m_mouse);
        break;
    case SurfaceTool::FlexibleEllipse:
    case SurfaceTool::FlexibleFilledEllipse:
        painter.drawEllipse(box);
        break;
    default:
        painter.drawRect(box);
        break;
    }
}

} // namespace velmora
