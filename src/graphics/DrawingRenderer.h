// DrawingRenderer: a compiled drawing list (core/DrawingList.h) drawn onto a painter at a
// position, scale and heading.
//
// Each point is scaled, turned clockwise by the heading (heading 0 draws the list as it was
// written), moved to the position and rounded to a pixel. The pixel form of the items is kept
// and worked out again only when the position, scale, heading or the list's items change, so a
// vector shape repainted where it was costs only the drawing. Items draw in order with a pen that
// starts solid inside the frame; whole ellipses that stay circles after scaling are drawn as true
// ellipses, the others from their points; labels turn with the heading.
//
// Rendering holds the list's lock; the caller holds the surface lock when the painter is open on
// a surface's bitmap.
#pragma once

#include "core/DrawingList.h"
#include "graphics/Ink.h"
#include "graphics/LabelText.h"

#include <QPainter>
#include <QPoint>
#include <QPointF>
#include <QPolygon>
#include <QRect>

#include <cstdint>
#include <optional>
#include <vector>

namespace velmora {

struct DrawingPlacement {
    QPointF position; // pixels, y down
    QPointF scale { 1, 1 };
    double heading = 0; // degrees clockwise

    bool operator==(const DrawingPlacement&) const = default;
};

class DrawingRenderer {
public:
    explicit DrawingRenderer(const tDrawingList& list)
        : m_list(list)
    {
    }

    // Draws in the painter's clip, with the ink's colours and composition mode set on the
    // painter by the caller; the painter's state is as it was afterwards. Gives the rectangle to
    // repaint.
    QRect render(QPainter& painter, const DrawingPlacement& placement, const Ink& ink);
    // The rectangle to repaint for a rendering at that placement, without drawing.
    QRect areaAt(const DrawingPlacement& placement);

    // Of the last rendering: the pixels its points and labels span; that grown for repainting
    // (by 4 to the left and top, 5 to the right and bottom, and by half the widest pen); and the
    // position from the bounds' top-left corner (a vector shape's hot spot).
    QRect bounds() const { return m_bounds; }
    QRect repaintArea() const;
    QPoint hotSpot() const { return m_hotSpot; }

private:
    struct PixelItem {
        QPolygon points;
        std::optional<QRect> ellipseBox; // a true ellipse
        std::optional<LabelText> label;
    };

    // The pixel form for a placement, under the list's lock.
    void place(const DrawingPlacement& placement);
    QPoint toPixel(const DrawingPoint& point) const;

    const tDrawingList& m_list;
    std::optional<DrawingPlacement> m_placed; // what the pixel form is for
    uint64_t m_placedGeneration = 0; // of the list's items
    std::vector<PixelItem> m_pixels; // one for each item
    QRect m_bounds;
    QPoint m_hotSpot;
    int32_t m_widestPen = 1;
    // The transformation of the placement being worked out.
    double m_cosine = 1;
    double m_sine = 0;
};

} // namespace velmora
