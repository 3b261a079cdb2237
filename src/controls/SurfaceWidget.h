// SurfaceWidget: the window of a page or a pane. It paints its surface (the background with the
// turtles over it), repaints the rectangles the drawing threads report as changed, and hands its
// mouse input on: a press to the topmost turtle under the mouse, else to the page's or pane's own
// graphic part, with the click and the release that follow; a move without a button to what lies
// under the mouse, which is entered and left as the mouse goes, or as what lies under a resting
// mouse moves. A resting mouse shows the hint of what lies under it. While the program has given
// the surface a drawing tool, the left button draws with it instead.
#pragma once

#include "controls/SurfaceToolInput.h"
#include "graphics/Surface.h"
#include "objects/GraphicPart.h"

#include <QTimer>
#include <QWidget>

#include <memory>

namespace velmora {

class SurfaceWidget : public QWidget {
public:
    SurfaceWidget(std::shared_ptr<Surface> surface, std::weak_ptr<tLogoGrObject> graphicPart,
        QWidget* parent);
    ~SurfaceWidget() override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    bool event(QEvent* event) override;

private:
    // What takes the input at that pixel. Under the interpreter lock, which objects are destroyed
    // under: a graphic part found is there for the whole input.
    std::shared_ptr<tLogoGrObject> targetAt(QPoint at) const;
    // The point in the target's own coordinates, or in the surface's while the user moves it.
    MousePoint pointFor(const tLogoGrObject& target, QPoint at) const;
    void noteMouseAt(QPoint at);
    void hover(QPoint at);
    // Leaves what was under the mouse and enters the target, when they differ.
    void hoverOnto(const std::shared_ptr<tLogoGrObject>& target);
    // Repaints what the drawing threads changed; looks again at the mouse when asked to. At most
    // once a frame, when `m_frame` runs out.
    void takeChanges();
    void recheckMouse();
    // The left button draws with the surface's tool, when it has one; a right press puts the
    // tool down. Whether the press was the tool's.
    bool pressTool(QMouseEvent* event);

    std::shared_ptr<Surface> m_surface;
    std::weak_ptr<tLogoGrObject> m_graphicPart;
    std::weak_ptr<tLogoGrObject> m_pressed; // takes the input until the button is let go
    std::weak_ptr<tLogoGrObject> m_hovered; // under the mouse, entered
    SurfaceToolInput m_toolInput;
    QTimer m_sprayTimer;
    QTimer m_frame; // runs from the first change after a take to the next take
};

} // namespace velmora
