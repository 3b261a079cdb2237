// SurfaceWidget: the window of a page or a pane. It paints its surface (the background with the
// turtles over it) and repaints the rectangles the drawing threads report as changed.
#pragma once

#include "graphics/Surface.h"

#include <QWidget>

#include <memory>

namespace velmora {

class SurfaceWidget : public QWidget {
public:
    SurfaceWidget(std::shared_ptr<Surface> surface, QWidget* parent);
    ~SurfaceWidget() override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::shared_ptr<Surface> m_surface;
};

} // namespace velmora
