#include "graphics/UndoBuffer.h"

#include <utility>

namespace velmora {

UndoBuffer& UndoBuffer::instance()
{
    static UndoBuffer buffer;
    return buffer;
}

void UndoBuffer::save(Surface& surface)
{
    {
        std::lock_guard hold(surface.lock());
        m_saved = surface.bitmap().copy();
    }
    m_surface = surface.weak_from_this();
}

// A surface resized since the save takes the saved picture as its resize would have left it.
void UndoBuffer::undo()
{
    const std::shared_ptr<Surface> surface = m_surface.lock();
    if (!surface)
        return;
    {
        std::lock_guard hold(surface->lock());
        m_saved = surface->fitted(m_saved);
        std::swap(m_saved, surface->bitmap());
    }
    surface->invalidate(surface->bounds());
}

} // namespace velmora
