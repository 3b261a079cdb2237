#include "controls/SurfaceWidget.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPointer>

#include "processes/InterpreterLock.h"

namespace velmora {

SurfaceWidget::SurfaceWidget(
    std::shared_ptr<Surface> surface, std::weak_ptr<tLogoGrObject> graphicPart, QWidget* parent)
    : QWidget(parent)
    , m_surface(std::move(surface))
    , m_graphicPart(std::move(graphicPart))
{
    setMouseTracking(true);
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

namespace {

    MouseButton buttonOf(const QMouseEvent* event)
    {
        switch (event->button()) {
        case Qt::RightButton:
            return MouseButton::Right;
        case Qt::MiddleButton:
            return MouseButton::Middle;
        default:
            return MouseButton::Left;
        }
    }

    MousePoint pointOf(const QMouseEvent* event)
    {
        const QPoint at = event->position().toPoint();
        return { at.x(), at.y() };
    }

    MouseKeys keysOf(const QMouseEvent* event)
    {
        return { event->modifiers().testFlag(Qt::ShiftModifier),
            event->modifiers().testFlag(Qt::ControlModifier) };
    }

} // namespace

void SurfaceWidget::deliver(const std::function<void(tLogoGrObject&)>& input)
{
    HeldLock interpreter;
    if (const std::shared_ptr<tLogoGrObject> part = m_graphicPart.lock())
        input(*part);
}

void SurfaceWidget::mousePressEvent(QMouseEvent* event)
{
    deliver([event](tLogoGrObject& part) {
        part.buttonDown(buttonOf(event), pointOf(event), keysOf(event));
    });
}

void SurfaceWidget::mouseDoubleClickEvent(QMouseEvent* event)
{
    deliver([event](tLogoGrObject& part) {
        part.buttonDown(buttonOf(event), pointOf(event), keysOf(event), true);
    });
}

// A left button let go over the window is a click, after the button-up.
void SurfaceWidget::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click
        = event->button() == Qt::LeftButton && rect().contains(pointOf(event).x, pointOf(event).y);
    deliver([event, click](tLogoGrObject& part) {
        part.buttonUp(buttonOf(event), pointOf(event), keysOf(event));
        if (click)
            part.clicked();
    });
}

void SurfaceWidget::mouseMoveEvent(QMouseEvent* event)
{
    const bool leftDown = event->buttons().testFlag(Qt::LeftButton);
    deliver([event, leftDown](tLogoGrObject& part) { part.mouseMoved(pointOf(event), leftDown); });
}

void SurfaceWidget::enterEvent(QEnterEvent*)
{
    deliver([](tLogoGrObject& part) { part.mouseEntered(); });
}

void SurfaceWidget::leaveEvent(QEvent*)
{
    deliver([](tLogoGrObject& part) { part.mouseLeft(); });
}

} // namespace velmora
