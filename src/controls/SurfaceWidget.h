// SurfaceWidget: the window of a page or a pane. It paints its surface (the background with the
// turtles over it), repaints the rectangles the drawing threads report as changed, and hands its
// mouse input to the object's graphic part for as long as the object has one.
#pragma once

#include "graphics/Surface.h"
#include "objects/GraphicPart.h"

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

private:
    // Runs the input on the graphic part under the interpreter lock, which the object is
    // destroyed under: it is either still there for the whole input or gone.
    void deliver(const std::function<void(tLogoGrObject&)>& input);

    std::shared_ptr<Surface> m_surface;
    std::weak_ptr<tLogoGrObject> m_graphicPart;
};

} // namespace velmora
