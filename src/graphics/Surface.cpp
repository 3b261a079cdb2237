#include "graphics/Surface.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <utility>

namespace velmora {

// Far beyond any surface, a pixel stays where an int can still be offset by an origin: the
// points that "toscreen" or "toabsolute" are given may be any number.
// Rounded by hand rather than with lround, a library call that costs a move more than its
// arithmetic: the part after the point of a number within an int's reach is exact. No number (NaN)
// is pixel 0.
int roundToPixel(double value)
{
    constexpr double farthest = 1e9;
    if (std::isnan(value))
        return 0;
    const double clamped = std::clamp(value, -farthest, farthest);
    const int whole = static_cast<int>(clamped);
    const double rest = clamped - whole;
    return whole + (rest >= 0.5) - (rest <= -0.5);
}

Surface::Surface(QSize size, QRgb background)
    : m_size(size)
    , m_bitmap(size, QImage::Format_RGB32)
    , m_origin(size.width() / 2, size.height() / 2)
    , m_background(background)
{
    m_bitmap.fill(background);
}

QImage& Surface::bitmap()
{
    m_painter.close();
    return m_bitmap;
}

KeptPainter& Surface::painter()
{
    m_painter.open(m_bitmap);
    return m_painter;
}

void Surface::resize(QSize size)
{
    {
        std::lock_guard hold(m_lock);
        m_painter.close();
        m_size = size;
        m_bitmap = fitted(m_bitmap);
    }
    invalidate(bounds());
}

QImage Surface::fitted(const QImage& picture) const
{
    if (picture.size() == m_size)
        return picture;
    QImage result(m_size, QImage::Format_RGB32);
    result.fill(m_background);
    QPainter painter(&result);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(QPoint(0, 0), picture);
    return result;
}

QPoint Surface::toPixel(QPointF cartesian) const
{
    return { roundToPixel(cartesian.x()) + m_origin.x(),
        m_origin.y() - roundToPixel(cartesian.y()) };
}

QPointF Surface::toCartesian(QPointF pixel) const
{
    return { pixel.x() - m_origin.x(), m_origin.y() - pixel.y() };
}

QRgb Surface::pixelAt(QPoint at) const
{
    std::lock_guard hold(m_lock);
    return m_bitmap.valid(at) ? m_bitmap.pixel(at) : m_background;
}

void Surface::setBackground(QRgb colour)
{
    m_background = colour;
    clean();
}

void Surface::clean()
{
    {
        std::lock_guard hold(m_lock);
        bitmap().fill(m_background);
    }
    invalidate(bounds());
}

void Surface::addItem(SurfaceItem* item)
{
    std::lock_guard hold(m_itemsLock);
    m_items.push_back(item);
}

void Surface::removeItem(SurfaceItem* item)
{
    {
        std::lock_guard hold(m_itemsLock);
        std::erase(m_items, item);
    }
    invalidate(bounds());
}

void Surface::moveItemToTop(SurfaceItem* item)
{
    std::lock_guard hold(m_itemsLock);
    const auto found = std::find(m_items.begin(), m_items.end(), item);
    if (found != m_items.end())
        std::rotate(found, found + 1, m_items.end());
}

void Surface::moveItemToBottom(SurfaceItem* item)
{
    std::lock_guard hold(m_itemsLock);
    const auto found = std::find(m_items.begin(), m_items.end(), item);
    if (found != m_items.end())
        std::rotate(m_items.begin(), found, found + 1);
}

// Packed into one word, so that a reader never sees x of one move and y of another.
void Surface::setMousePosition(QPoint at)
{
    m_mousePosition = uint64_t(uint32_t(at.x())) << 32 | uint32_t(at.y());
}

QPoint Surface::mousePosition() const
{
    const uint64_t packed = m_mousePosition;
    return { int32_t(uint32_t(packed >> 32)), int32_t(uint32_t(packed)) };
}

void Surface::setMouseOver(bool over) { m_mouseOver = over; }

bool Surface::mouseRestsIn(const QRect& area) const
{
    return m_mouseOver && area.contains(mousePosition());
}

std::shared_ptr<tLogoGrObject> Surface::mouseTargetAt(QPoint at) const
{
    std::lock_guard hold(m_itemsLock);
    for (auto item = m_items.rbegin(); item != m_items.rend(); ++item)
        if (std::shared_ptr<tLogoGrObject> target = (*item)->mouseTargetAt(at))
            return target;
    return nullptr;
}

void Surface::compose(QPainter& painter, const QRect& area) const
{
    std::lock_guard holdBitmap(m_lock);
    painter.drawImage(area.topLeft(), m_bitmap, area);
    std::lock_guard holdItems(m_itemsLock);
    painter.setClipRect(area);
    for (const SurfaceItem* item : m_items)
        item->paint(painter);
}

void Surface::invalidate(const QRect& area)
{
    const QRect changed = area.intersected(bounds());
    if (!changed.isEmpty())
        addChanges({ changed, false });
}

void Surface::recheckMouse() { addChanges({ QRect(), true }); }

void Surface::addChanges(const Changes& changes)
{
    std::lock_guard hold(m_repaintLock);
    const bool heard = !m_changes.area.isEmpty() || m_changes.mouseRecheck;
    m_changes.area |= changes.area;
    m_changes.mouseRecheck |= changes.mouseRecheck;
    if (m_repaint && !heard)
        m_repaint();
}

void Surface::setRepaintListener(std::function<void()> listener)
{
    std::lock_guard hold(m_repaintLock);
    m_repaint = std::move(listener);
}

Surface::Changes Surface::takeChanges()
{
    std::lock_guard hold(m_repaintLock);
    return std::exchange(m_changes, Changes());
}

} // namespace velmora
