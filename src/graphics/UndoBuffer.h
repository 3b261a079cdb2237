// UndoBuffer: the one undo of background drawing that a program has. Saving copies a surface's
// background into the buffer and remembers the surface; undoing exchanges the buffer with that
// surface's background, so that a second undo brings back what the first took away.
//
// The surface is remembered weakly: once its page is gone, undoing does nothing. Used under the
// interpreter lock; the exchange itself holds the surface lock.
#pragma once

#include "graphics/Surface.h"

#include <QImage>

#include <memory>

namespace velmora {

class UndoBuffer {
public:
    // The program's buffer.
    static UndoBuffer& instance();

    // The surface must be held by a shared pointer.
    void save(Surface& surface);
    void undo();

private:
    QImage m_saved;
    std::weak_ptr<Surface> m_surface;
};

} // namespace velmora
