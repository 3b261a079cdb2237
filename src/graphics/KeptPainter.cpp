#include "graphics/KeptPainter.h"

#include <QPen>

namespace velmora {

void KeptPainter::open(QImage& bitmap)
{
    if (!m_painter)
        m_painter = std::make_unique<QPainter>(&bitmap);
}

void KeptPainter::close()
{
    m_painter.reset();
    m_clip.reset();
    m_mode.reset();
    m_pen.reset();
}

void KeptPainter::setClip(const QRect& clip)
{
    if (m_clip == clip)
        return;
    if (clip.isEmpty())
        m_painter->setClipping(false);
    else
        m_painter->setClipRect(clip);
    m_clip = clip;
}

void KeptPainter::setMode(QPainter::CompositionMode mode)
{
    if (m_mode == mode)
        return;
    m_painter->setCompositionMode(mode);
    m_mode = mode;
}

void KeptPainter::setPen(const LinePen& pen)
{
    if (m_pen == pen)
        return;
    m_painter->setPen(QPen(QColor(pen.colour), pen.width, pen.style, pen.cap, Qt::RoundJoin));
    m_pen = pen;
}

} // namespace velmora
