#include "graphics/ShownShape.h"

#include "graphics/ShapeAnim.h"
#include "graphics/SurfacePictures.h"

#include <algorithm>
#include <chrono>
#include <cmath>

namespace velmora {

ShownShape::ShownShape(Surface& surface)
    : m_surface(surface)
{
}

ShownShape::~ShownShape() { stopAnimation(); }

void ShownShape::stopAnimation() { tShapeAnim::program().remove(*this); }

void ShownShape::set(const State& state, std::optional<int> step)
{
    if (state.animation && !m_state.animation) {
        m_scheduleReady = true;
        m_stepShownAt = std::chrono::steady_clock::now();
    }
    if (state.drawings != m_state.drawings) {
        m_renderers.clear();
        for (const auto& drawing : state.drawings)
            m_renderers.push_back(std::make_unique<DrawingRenderer>(*drawing));
    }
    m_state = state;
    if (step && *step != m_step) {
        m_step = *step;
        m_stepShownAt = std::chrono::steady_clock::now();
    }
    if (m_step >= stepCount())
        m_step = 0;
}

int ShownShape::stepCount() const
{
    if (!m_state.drawings.empty())
        return static_cast<int>(m_state.drawings.size());
    return m_state.frame ? static_cast<int>(m_state.frame->count()) : 0;
}

DrawingRenderer* ShownShape::renderer() const
{
    if (m_renderers.empty())
        return nullptr;
    return m_renderers[static_cast<size_t>(m_step)].get();
}

DrawingPlacement ShownShape::placement() const
{
    return { QPointF(m_state.position), m_state.scale, m_state.heading };
}

const tLogoPicture* ShownShape::picture() const
{
    if (!m_state.frame || m_state.frame->count() == 0)
        return nullptr;
    return m_state.frame->pictures()[static_cast<size_t>(m_step)].get();
}

QRect pictureArea(const tLogoPicture& picture, QPoint at, QPointF scale)
{
    const QPoint hotSpot(static_cast<int>(std::lround(picture.hotSpot().x() * scale.x())),
        static_cast<int>(std::lround(picture.hotSpot().y() * scale.y())));
    const QSize size(static_cast<int>(std::lround(picture.width() * scale.x())),
        static_cast<int>(std::lround(picture.height() * scale.y())));
    return QRect(at - hotSpot, size);
}

QRect ShownShape::area() const
{
    if (DrawingRenderer* drawing = renderer())
        return drawing->areaAt(placement());
    const tLogoPicture* shown = picture();
    return shown ? pictureArea(*shown, m_state.position, m_state.scale) : QRect();
}

bool ShownShape::transparentAt(QPoint at) const
{
    const tLogoPicture* shown = picture();
    const QRect where = area();
    if (!shown || !shown->hasMask() || where.isEmpty())
        return false;
    const int x = (at.x() - where.left()) * shown->width() / where.width();
    const int y = (at.y() - where.top()) * shown->height() / where.height();
    return shown->isTransparentAt(x, y);
}

const QImage& ShownShape::paintedPixels() const
{
    const tLogoPicture* shown = picture();
    if (m_pixelsOf != shown || m_pixelsPen != m_state.penColour || m_pixelsTint != m_state.tint) {
        m_pixels = shown && shown->hasImage()
            ? pixelsToDraw(*shown, m_state.tint, m_state.penColour)
            : QImage();
        m_pixelsOf = shown;
        m_pixelsPen = m_state.penColour;
        m_pixelsTint = m_state.tint;
    }
    return m_pixels;
}

QImage ShownShape::pixels() const { return paintedPixels(); }

void ShownShape::paint(QPainter& painter) const
{
    int delay = 0;
    if (DrawingRenderer* drawing = renderer()) {
        drawing->render(painter, placement(), Ink {});
        delay = static_cast<int>(std::lround(m_state.delayScale * 100));
    } else {
        const tLogoPicture* shown = picture();
        if (!shown || !shown->hasImage())
            return;
        painter.drawImage(area(), paintedPixels());
        delay = static_cast<int>(std::lround(shown->delay() * m_state.delayScale));
    }
    if (m_state.animation && m_scheduleReady && stepCount() >= 2) {
        m_scheduleReady = false;
        // The step has been on show since the animation thread moved to it; the paint that shows
        // it comes a frame later, and counting the delay from the paint would slow every
        // animation by that frame.
        const auto shownFor = std::chrono::duration_cast<std::chrono::milliseconds>(
            std::chrono::steady_clock::now() - m_stepShownAt)
                                  .count();
        const int left = static_cast<int>(std::max<int64_t>(0, delay - shownFor));
        tShapeAnim::program().schedule(
            left, const_cast<ShownShape&>(*this), m_surface.animationPage());
    }
}

void ShownShape::advance()
{
    QRect changed;
    m_surface.changeItems([&] {
        const int steps = stepCount();
        if (!m_state.animation || steps < 2)
            return;
        int next = m_step + 1;
        if (next == steps) {
            if (!m_state.loop)
                return;
            next = 0;
        }
        changed = area();
        m_step = next;
        changed |= area();
        m_scheduleReady = true;
        m_stepShownAt = std::chrono::steady_clock::now();
    });
    m_surface.invalidate(changed);
}

} // namespace velmora
