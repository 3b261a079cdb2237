#include "controls/PaneObject.h"

#include "controls/PaneGraphicPart.h"
#include "controls/QtMainThread.h"
#include "graphics/TurtleClass.h"
#include "processes/MainThreadCall.h"

namespace velmora {

tlogopane::tlogopane(tmultiobject* paneClass, std::string name)
    : tcontainerobject({ paneClass }, std::move(name))
{
}

tlogopane::~tlogopane() { closeWindow(m_window); }

// A pane is only ever placed on a page, which answers for everything but turtles.
tcontainerobject* tlogopane::containerForClass(tmultiobject* objectClass)
{
    if (makesTurtles(*objectClass))
        return this;
    auto* page = dynamic_cast<tcontainerobject*>(place());
    if (!page)
        throw eLogoException(erInvalidParent);
    return page->containerForClass(objectClass);
}

void tlogopane::build(QRect area, QRgb background, QWidget* pageWindow)
{
    m_area = area;
    m_surface = std::make_shared<Surface>(area.size(), background);
    if (auto* page = dynamic_cast<SurfaceOwner*>(place()))
        m_surface->setAnimationPage(page->surface());
    auto graphicPart = std::make_shared<PaneGraphicPart>(*this);
    m_graphicPart = graphicPart;
    MainThreadCaller::current().call([&] {
        m_window = new SurfaceWidget(m_surface, m_graphicPart, pageWindow);
        m_window->move(area.topLeft());
        m_window->show();
    });
    graphicPart->setWindow(m_window);
}

void tlogopane::setArea(QRect area)
{
    if (area.size() != m_area.size())
        m_surface->resize(area.size());
    m_area = area;
    QPointer<SurfaceWidget> window = m_window;
    MainThreadCaller::current().call([window, area] {
        if (!window)
            return;
        window->setFixedSize(area.size());
        window->move(area.topLeft());
    });
}

Surface& tlogopane::pageSurface() const
{
    auto* page = dynamic_cast<SurfaceOwner*>(place());
    if (!page)
        throw eLogoException(erInvalidParent);
    return page->surface();
}

// The window goes at once: a process may still hold the erased pane for a while.
void tlogopane::destroy()
{
    m_graphicPart.reset();
    tcontainerobject::destroy();
    closeWindow(m_window);
}

void tlogopane::moveTo(StackEnd end)
{
    QPointer<SurfaceWidget> window = m_window;
    MainThreadCaller::current().call([window, end] {
        if (window && end == StackEnd::Front)
            window->raise();
        else if (window)
            window->lower();
    });
}

} // namespace velmora
