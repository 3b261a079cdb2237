// KeptPainter: a painter kept open on a surface's bitmap from one drawing to the next, since
// opening one costs more than the short lines turtles draw. It remembers the clip, composition
// mode and pen the last drawing left and changes each only when the next drawing asks for another:
// setting them costs Qt as much as drawing a short line.
//
// Under the surface's lock, like the bitmap.
#pragma once

#include <QImage>
#include <QPainter>
#include <QPen>
#include <QRect>

#include <memory>
#include <optional>

namespace velmora {

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
    void setPen(const QPen& pen);

private:
    std::unique_ptr<QPainter> m_painter;
    std::optional<QRect> m_clip;
    std::optional<QPainter::CompositionMode> m_mode;
    std::optional<QPen> m_pen;
};

} // namespace velmora
