// tlogopage: a page of the main window, a drawing surface of its own that holds turtles and the
// other visual objects. Its window (a SurfaceWidget) lives in the window thread; the page keeps
// the surface the window paints, and the who list that the processes working on the page start
// with.
#pragma once

#include "controls/SurfaceWidget.h"
#include "graphics/SurfaceOwner.h"
#include "interpreter/InterpreterState.h"
#include "objects/ContainerObject.h"

#include <QPointer>

#include <memory>

namespace velmora {

class tlogopage : public tcontainerobject, public SurfaceOwner {
public:
    tlogopage(tmultiobject* pageClass, std::string name);
    ~tlogopage() override;

    std::string_view className() const override { return "page"; }
    tcontainerobject* containerForClass(tmultiobject*) override { return this; }
    Surface& surface() override { return *m_surface; }
    void destroy() override;

    // Makes the surface and its window, of the given size.
    void build(QSize size, QWidget* mainWindow);
    QWidget* window() const { return m_window; }

    // The objects addressed by default while the page is shown.
    InterpreterState::WhoList whoList() const;
    void setWhoList(const InterpreterState::WhoList& who);
    // A turtle made on a page that addresses nobody is addressed from then on.
    void adopt(tlogoobject* turtle);

private:
    std::shared_ptr<Surface> m_surface;
    // Held here alone, so that the window's mouse input finds it gone once the page is.
    std::shared_ptr<tLogoGrObject> m_graphicPart;
    QPointer<SurfaceWidget> m_window;
    std::vector<ValueRef> m_who; // objects that are destroyed meanwhile are passed over
};

// The page of the running process's current object, or the main window's current page; error 79
// when there is none.
tlogopage& currentPage();
// What the surface commands act on: the nearest page or pane on the place chain of the running
// process's current object, else the main window's current page; error 79 when there is none.
SurfaceOwner& currentSurfaceOwner();

} // namespace velmora
