#include "controls/PaneGraphicPart.h"

#include "controls/QtMainThread.h"

namespace velmora {

ControlBounds PaneGraphicPart::bounds() const
{
    return { m_area.left(), m_area.top(), m_area.width(), m_area.height() };
}

// The user's moves come in the window thread, where the window follows at once.
void PaneGraphicPart::setBounds(const ControlBounds& bounds)
{
    m_area.moveTopLeft(QPoint(bounds.left, bounds.top));
    if (m_window)
        m_window->move(m_area.topLeft());
}

// Asked by a process too ("startMove"), holding the locks the window thread's mouse input takes:
// the window is told without waiting for it.
void PaneGraphicPart::captureMouse(bool captured, MouseCursor)
{
    QtMainThread* windowThread = QtMainThread::running();
    if (!windowThread)
        return;
    windowThread->post([window = m_window, captured] {
        if (window && captured)
            window->grabMouse();
        else if (window)
            window->releaseMouse();
    });
}

} // namespace velmora
