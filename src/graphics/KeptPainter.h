// KeptPainter: a painter kept open on a surface's bitmap from one drawing to the next, since
// opening one costs more than the short lines turtles draw. It remembers the clip, composition
// mode and pen the last drawing left and changes each only when the next drawing asks for another:
// setting them costs Qt as much as drawing a short line.
//
// Under the surface's lock, like the bitmap.
#pragma once

#include <QImage>
#include <QPainter>
#include <QRect>

#include <memory>
#include <optional>

namespace velmora {

// The pen of a line, as plain data: comparing two costs nothing, where a QPen is built on the heap.
struct LinePen {
    QRgb colour;
    int width;
    Qt::PenStyle style;
    Qt::PenCapStyle cap;

    bool operator==(const LinePen&) const = default;
};

class KeptPainter {
public:
    // Opens the painter on `bitmap` when it is not open.
    void open(QImage& bitmap);
    // The open painter.
    QPainter& painter() { return *m_painter; }
    // Closes the painter, so that the bitmap can be used otherwise.
    void close();

    // The drawing's clip; an empty rectangle draws unclipped.
    void setClip(const QRect& clip);
    void setMode(QPainter::CompositionMode mode);
    void setPen(const LinePen& pen);

private:
    std::unique_ptr<QPainter> m_painter;
    std::optional<QRect> m_clip;
    std::optional<QPainter::CompositionMode> m_mode;
    std::optional<LinePen> m_pen;
};

} // namespace velmora
