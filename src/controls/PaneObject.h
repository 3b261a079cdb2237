// tlogopane: a pane, a smaller drawing surface placed on a page. Its window (a SurfaceWidget) is a
// child of the page's window, so it lies over the page's background where it is placed. The
// turtles made by the pane are its own: they live in its object table, draw on its surface and go
// with it; every other object made while running as the pane goes where the page puts it.
#pragma once

#include "controls/SurfaceWidget.h"
#include "graphics/SurfaceOwner.h"
#include "objects/ContainerObject.h"

#include <QPointer>

#include <memory>

namespace velmora {

class tlogopane : public tcontainerobject, public SurfaceOwner {
public:
    tlogopane(tmultiobject* paneClass, std::string name);
    ~tlogopane() override;

    std::string_view className() const override { return "pane"; }
    tcontainerobject* containerForClass(tmultiobject* objectClass) override;
    Surface& surface() override { return *m_surface; }
    void destroy() override;

    // Makes the surface and its window over `area` of the page's window.
    void build(QRect area, QRgb background, QWidget* pageWindow);
    QWidget* window() const { return m_window; }

    // Where the pane lies on the page, in the page's pixels. Under the interpreter lock.
    QRect area() const { return m_area; }
    // Moves the pane, and resizes it when the size differs: its surface keeps what was drawn at
    // the top-left, the origin stays on the same pixel, and new room shows the background. Under
    // the interpreter lock; the window follows before this returns.
    void setArea(QRect area);
    // The page's surface, whose cartesian coordinates place the pane.
    Surface& pageSurface() const;

    enum class StackEnd { Front, Back };
    // Moves the window to that end of the page's child windows, which decides which of
    // overlapping panes shows.
    void moveTo(StackEnd end);

    bool autoDrag = false; // the user drags the pane with the left button

    // The pane's mouse input and the user's moves of it. Under the interpreter lock.
    tLogoGrObject& graphicPart() const { return *m_graphicPart; }

private:
    QRect m_area;
    std::shared_ptr<Surface> m_surface;
    // Held here alone, so that the window's mouse input finds it gone once the pane is.
    std::shared_ptr<tLogoGrObject> m_graphicPart;
    QPointer<SurfaceWidget> m_window;
};

} // namespace velmora
