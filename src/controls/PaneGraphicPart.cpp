#include "controls/PaneGraphicPart.h"

#include "controls/PaneObject.h"
#include "controls/QtMainThread.h"

namespace velmora {

PaneGraphicPart::PaneGraphicPart(tlogopane& pane)
    : tLogoGrObject(pane)
    , m_pane(pane)
{
}

ControlBounds PaneGraphicPart::bounds() const
{
    const QRect area = m_pane.area();
    return { area.left(), area.top(), area.width(), area.height() };
}

// The user's moves and resizes come in the window thread, where the window follows at once.
void PaneGraphicPart::setBounds(const ControlBounds& bounds)
{
    m_pane.setArea(QRect(bounds.left, bounds.top, bounds.width, bounds.height));
}

bool PaneGraphicPart::dragsItself() const { return m_pane.autoDrag; }

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
