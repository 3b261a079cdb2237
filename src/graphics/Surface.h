// Surface: the drawing surface of a page or a pane. Its background bitmap is a 24-bit image
// (RGB32) that Logo processes draw into under the surface lock; the window that shows it is told
// which rectangle changed and repaints it in the window thread.
//
// Coordinates: cartesian points have x to the right and y up, one unit per pixel, with (0, 0) at
// the origin pixel (the centre of a new surface); they become pixels by rounding half away from
// zero. Pixel points count from the top-left corner with y down.
#pragma once

#include "graphics/BackgroundPen.h"
#include "graphics/KeptPainter.h"
#include "graphics/SurfaceTool.h"

#include <QImage>
#include <QPainter>
#include <QPoint>
#include <QPointF>
#include <QRect>

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

namespace velmora {

class tLogoGrObject;

// Something painted over the background, such as a turtle's shape. Its painted state is changed
// only through `Surface::changeItems`, so that the window thread paints it whole.
class SurfaceItem {
public:
    virtual ~SurfaceItem() = default;
    virtual void paint(QPainter& painter) const = 0;
    // The graphic part that takes mouse input at that pixel, when the item is there to take it.
    // Asked under the interpreter lock and the items' lock.
    virtual std::shared_ptr<tLogoGrObject> mouseTargetAt(QPoint) const { return nullptr; }
};

// The background of a new page or pane.
constexpr QRgb newSurfaceBackground = qRgb(255, 255, 255);

// Surfaces are held by shared pointers, so that the undo buffer can remember one without keeping
// it alive.
class Surface : public std::enable_shared_from_this<Surface> {
public:
    Surface(QSize size, QRgb background);

    QSize size() const { return m_size; }
    QRect bounds() const { return QRect(QPoint(0, 0), m_size); }
    // A new size, under the interpreter lock: the drawing stays at the top-left and new room
    // shows the background colour; the origin stays on its pixel, so that nothing on the surface
    // moves.
    void resize(QSize size);
    // A picture of the surface's old size as it would be after `resize` to the present one.
    QImage fitted(const QImage& picture) const;

    // Every read or write of the bitmap holds this lock.
    std::mutex& lock() const { return m_lock; }
    // The bitmap to change or paint on in any way, under the lock; the kept painter is closed
    // first, since a bitmap takes one painter at a time.
    QImage& bitmap();
    const QImage& bitmap() const { return m_bitmap; }
    // The painter kept open on the bitmap, under the lock, with the state the last drawing left
    // (KeptPainter).
    KeptPainter& painter();

    QPoint origin() const { return m_origin; }
    void setOrigin(QPoint origin) { m_origin = origin; }
    QPoint toPixel(QPointF cartesian) const;
    QPointF toCartesian(QPointF pixel) const;

    QRgb background() const { return m_background; }
    // The colour of a pixel of the background; beyond the bitmap, the background colour.
    QRgb pixelAt(QPoint at) const;
    // Stores the colour and cleans the background, which erases whatever was drawn on it.
    void setBackground(QRgb colour);
    // Fills the bitmap with the background colour.
    void clean();

    // Items are painted in the order they were added, later ones on top.
    void addItem(SurfaceItem* item);
    void removeItem(SurfaceItem* item);
    // The items that are of type T, in painting order.
    template <typename T> std::vector<T*> itemsOfType() const
    {
        std::lock_guard hold(m_itemsLock);
        std::vector<T*> found;
        for (SurfaceItem* item : m_items)
            if (auto* wanted = dynamic_cast<T*>(item))
                found.push_back(wanted);
        return found;
    }
    // The first item of type T, in painting order, for which `test` holds; it runs under the
    // items' lock, so it must take no surface lock.
    template <typename T, typename Test> T* firstItemOfType(const Test& test) const
    {
        std::lock_guard hold(m_itemsLock);
        for (SurfaceItem* item : m_items)
            if (auto* wanted = dynamic_cast<T*>(item); wanted && test(*wanted))
                return wanted;
        return nullptr;
    }
    // Paints the item over every other, or under every other.
    void moveItemToTop(SurfaceItem* item);
    void moveItemToBottom(SurfaceItem* item);
    // The graphic part of the topmost item that takes mouse input at that pixel, or none. Under
    // the interpreter lock.
    std::shared_ptr<tLogoGrObject> mouseTargetAt(QPoint at) const;
    // The graphic part that takes all the mouse input of the window while the user moves it,
    // whatever lies under the mouse; none otherwise. Under the interpreter lock.
    void setMouseCapture(std::weak_ptr<tLogoGrObject> part) { m_mouseCapture = std::move(part); }
    std::shared_ptr<tLogoGrObject> mouseCapture() const { return m_mouseCapture.lock(); }
    // Runs a change of the items' painted state under the items' lock.
    template <typename Change> void changeItems(Change&& change)
    {
        std::lock_guard hold(m_itemsLock);
        change();
    }
    // The background's `area` with the items over it, as the window shows it.
    void compose(QPainter& painter, const QRect& area) const;

    // Tells the window that shows the surface that a rectangle (in pixels) changed. Changes add
    // up until the window takes them: the listener, which runs in the drawing thread and must
    // only post the repaint, hears of the first change after each take, so a drawing loop posts
    // one repaint for each the window makes rather than one for each line.
    void invalidate(const QRect& area);
    // Asks the window to look again at what lies under a mouse that has not moved (an item
    // moved or changed under it), as a change that adds up like the others.
    void recheckMouse();
    void setRepaintListener(std::function<void()> listener);
    // What changed since the last take; the window thread repaints it and looks again at the
    // mouse.
    struct Changes {
        QRect area;
        bool mouseRecheck = false;
    };
    Changes takeChanges();

    // Where the mouse was last seen over the surface's window, in pixels; the window thread
    // writes it.
    void setMousePosition(QPoint at);
    QPoint mousePosition() const;
    // Whether the mouse is over the surface's window (the window thread says so as it comes and
    // goes), and there within `area`.
    void setMouseOver(bool over);
    bool mouseRestsIn(const QRect& area) const;

    // The tool the user draws with on the background; set by Logo processes, read by the window.
    void setTool(SurfaceTool tool) { m_tool = tool; }
    SurfaceTool tool() const { return m_tool; }

    // The page whose showing lets the shapes on this surface animate: the surface itself for a
    // page, its page's for a pane.
    const void* animationPage() const { return m_animationPage ? m_animationPage : this; }
    void setAnimationPage(const Surface& page)
    {
        m_animationPage = static_cast<const Surface*>(page.animationPage());
    }

    // The pen of the "bg" commands, under the interpreter lock.
    BackgroundPen& backgroundPen() { return m_backgroundPen; }

private:
    void addChanges(const Changes& changes);

    QSize m_size; // changed under the interpreter lock and the surface lock
    mutable std::mutex m_lock;
    QImage m_bitmap;
    KeptPainter m_painter; // open on the bitmap from one drawing to the next
    QPoint m_origin;
    QRgb m_background;
    mutable std::mutex m_itemsLock; // taken after the bitmap's lock
    std::vector<SurfaceItem*> m_items;
    std::mutex m_repaintLock; // the listener is set in the window thread, called in others
    std::function<void()> m_repaint;
    Changes m_changes;
    BackgroundPen m_backgroundPen; // read and set under the interpreter lock
    std::weak_ptr<tLogoGrObject> m_mouseCapture; // under the interpreter lock
    std::atomic<uint64_t> m_mousePosition { 0 }; // x in the high half, y in the low
    std::atomic<bool> m_mouseOver { false };
    std::atomic<SurfaceTool> m_tool { SurfaceTool::None };
    const Surface* m_animationPage = nullptr;
};

// Rounds half away from zero, as every cartesian coordinate becomes a pixel; values beyond a
// billion pixels stop there.
int roundToPixel(double value);

} // namespace velmora
