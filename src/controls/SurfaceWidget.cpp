#include "controls/SurfaceWidget.h"

#include <QApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QPointer>

namespace velmora {

SurfaceWidget::SurfaceWidget(std::shared_ptr<Surface> surface, QWidget* parent)
    : QWidget(parent)
    , m_surface(std::move(surface))
{
    setFixedSize(m_surface->size());
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Drawing threads report changes; the repaint is queued to the window thread, and dropped
    // once the widget is gone.
    QPointer<SurfaceWidget> self(this);
    m_surface->setRepaintListener([self](const QRect& area) {
        QMetaObject::invokeMethod(qApp, [self, area] {
            if (self)
                self->update(area);
        });
    });
}

SurfaceWidget::~SurfaceWidget() { m_surface->setRepaintListener({}); }

void SurfaceWidget::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    m_surface->compose(painter, event->rect());
}

} // namespace velmora
