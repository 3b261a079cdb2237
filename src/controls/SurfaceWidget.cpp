#include "controls/SurfaceWidget.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPointer>
#include <QToolTip>

#include "controls/QtMainThread.h"
#include "graphics/WidgetText.h"
#include "processes/InterpreterLock.h"

namespace velmora {

namespace {
    // How often paint is sprayed while the button is held, in milliseconds.
    constexpr int sprayInterval = 30;
    // About a display's refresh: repainting more often shows nothing more.
    constexpr std::chrono::milliseconds frameInterval(16);
}

SurfaceWidget::SurfaceWidget(
    std::shared_ptr<Surface> surface, std::weak_ptr<tLogoGrObject> graphicPart, QWidget* parent)
    : QWidget(parent)
    , m_surface(std::move(surface))
    , m_graphicPart(std::move(graphicPart))
    , m_toolInput(*m_surface)
{
    m_sprayTimer.setInterval(sprayInterval);
    connect(&m_sprayTimer, &QTimer::timeout, this, [this] {
        HeldLock interpreter;
        m_toolInput.spray();
    });
    setMouseTracking(true);
    setFixedSize(m_surface->size());
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Drawing threads report changes, which the surface adds up until the window takes them. The
    // window takes them at most once a frame: taken as soon as the window thread could, they were
    // posted to it again at once, tens of thousands of times a second while a turtle draws, and
    // the posting cost the drawing thread more than its lines. The frame is started from a
    // posted call (also in the window thread, where the report comes while the surface holds the
    // changes' lock), dropped once the widget is gone.
    m_frame.setSingleShot(true);
    m_frame.setInterval(frameInterval);
    connect(&m_frame, &QTimer::timeout, this, &SurfaceWidget::takeChanges);
    QPointer<SurfaceWidget> self(this);
    m_surface->setRepaintListener([self] {
        if (QtMainThread* windowThread = QtMainThread::running())
            windowThread->post([self] {
                if (self)
                    self->m_frame.start();
            });
    });
}

SurfaceWidget::~SurfaceWidget() { m_surface->setRepaintListener({}); }

void SurfaceWidget::takeChanges()
{
    const Surface::Changes changes = m_surface->takeChanges();
    update(changes.area);
    if (changes.mouseRecheck)
        recheckMouse();
}

// Something moved or changed under a mouse that stayed where it was: what lies under it now is
// entered, what it left is left, as if the mouse had moved.
void SurfaceWidget::recheckMouse()
{
    if (!isVisible())
        return;
    HeldLock interpreter;
    if (m_surface->mouseRestsIn(rect()))
        hoverOnto(targetAt(m_surface->mousePosition()));
}

void SurfaceWidget::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    m_surface->compose(painter, event->rect());
    m_toolInput.paintOutline(painter);
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

    MouseKeys keysOf(const QMouseEvent* event)
    {
        return { event->modifiers().testFlag(Qt::ShiftModifier),
            event->modifiers().testFlag(Qt::ControlModifier) };
    }

    QPoint pixelOf(const QMouseEvent* event) { return event->position().toPoint(); }

} // namespace

std::shared_ptr<tLogoGrObject> SurfaceWidget::targetAt(QPoint at) const
{
    if (std::shared_ptr<tLogoGrObject> captured = m_surface->mouseCapture())
        return captured;
    if (std::shared_ptr<tLogoGrObject> item = m_surface->mouseTargetAt(at))
        return item;
    return m_graphicPart.lock();
}

MousePoint SurfaceWidget::pointFor(const tLogoGrObject& target, QPoint at) const
{
    // The page's or pane's own part: the window's points are its own, and it is moved in its
    // parent's.
    if (&target == m_graphicPart.lock().get()) {
        const QPoint point = target.userMoving() ? mapToParent(at) : at;
        return { point.x(), point.y() };
    }
    if (target.userMoving())
        return { at.x(), at.y() };
    const ControlBounds bounds = target.currentBounds();
    return { at.x() - bounds.left, at.y() - bounds.top };
}

bool SurfaceWidget::pressTool(QMouseEvent* event)
{
    const SurfaceTool tool = m_surface->tool();
    if (tool == SurfaceTool::None)
        return false;
    if (event->button() == Qt::RightButton) {
        m_surface->setTool(SurfaceTool::None);
        return true;
    }
    if (event->button() != Qt::LeftButton || m_toolInput.drawing())
        return false;
    HeldLock interpreter;
    m_toolInput.press(tool, pixelOf(event));
    if (m_toolInput.spraying())
        m_sprayTimer.start();
    return true;
}

// The mouse over a pane is over its page too: each surface that the window lies on hears where
// it is, so that the page's "mousepos" follows a pane that the user drags.
void SurfaceWidget::noteMouseAt(QPoint at)
{
    m_surface->setMousePosition(at);
    QPoint point = at;
    for (QWidget* window = this; auto* below = dynamic_cast<SurfaceWidget*>(window->parentWidget());
         window = below) {
        point = window->mapToParent(point);
        below->m_surface->setMousePosition(point);
    }
}

void SurfaceWidget::mousePressEvent(QMouseEvent* event)
{
    noteMouseAt(pixelOf(event));
    if (pressTool(event))
        return;
    HeldLock interpreter;
    const std::shared_ptr<tLogoGrObject> target = targetAt(pixelOf(event));
    m_pressed = target;
    if (target)
        target->buttonDown(buttonOf(event), pointFor(*target, pixelOf(event)), keysOf(event),
            event->type() == QEvent::MouseButtonDblClick);
}

void SurfaceWidget::mouseDoubleClickEvent(QMouseEvent* event) { mousePressEvent(event); }

// A left button let go over what it went down on is a click, after the button-up.
void SurfaceWidget::mouseReleaseEvent(QMouseEvent* event)
{
    noteMouseAt(pixelOf(event));
    HeldLock interpreter;
    if (m_toolInput.drawing() && event->button() == Qt::LeftButton) {
        m_sprayTimer.stop();
        m_toolInput.release(pixelOf(event));
        return;
    }
    const std::shared_ptr<tLogoGrObject> target = m_pressed.lock();
    m_pressed.reset();
    if (!target)
        return;
    const bool click = event->button() == Qt::LeftButton && targetAt(pixelOf(event)) == target;
    target->buttonUp(buttonOf(event), pointFor(*target, pixelOf(event)), keysOf(event));
    if (click)
        target->clicked();
}

void SurfaceWidget::mouseMoveEvent(QMouseEvent* event)
{
    m_surface->setMouseOver(true);
    noteMouseAt(pixelOf(event));
    HeldLock interpreter;
    if (m_toolInput.drawing()) {
        m_toolInput.move(pixelOf(event));
        return;
    }
    if (const std::shared_ptr<tLogoGrObject> pressed = m_pressed.lock()) {
        pressed->mouseMoved(
            pointFor(*pressed, pixelOf(event)), event->buttons().testFlag(Qt::LeftButton));
        return;
    }
    hover(pixelOf(event));
}

void SurfaceWidget::hover(QPoint at)
{
    const std::shared_ptr<tLogoGrObject> target = targetAt(at);
    hoverOnto(target);
    if (target)
        target->mouseMoved(pointFor(*target, at), false);
}

void SurfaceWidget::hoverOnto(const std::shared_ptr<tLogoGrObject>& target)
{
    const std::shared_ptr<tLogoGrObject> before = m_hovered.lock();
    if (target == before)
        return;
    if (before)
        before->mouseLeft();
    if (target)
        target->mouseEntered();
    m_hovered = target;
}

void SurfaceWidget::enterEvent(QEnterEvent* event)
{
    m_surface->setMouseOver(true);
    noteMouseAt(event->position().toPoint());
    HeldLock interpreter;
    hover(event->position().toPoint());
}

bool SurfaceWidget::event(QEvent* event)
{
    if (event->type() != QEvent::ToolTip)
        return QWidget::event(event);
    const auto* help = static_cast<QHelpEvent*>(event);
    QString hint;
    {
        HeldLock interpreter;
        if (const std::shared_ptr<tLogoGrObject> target = targetAt(help->pos()))
            hint = widgetText(target->hint());
    }
    if (hint.isEmpty()) {
        QToolTip::hideText();
        event->ignore();
    } else {
        QToolTip::showText(help->globalPos(), hint, this);
    }
    return true;
}

void SurfaceWidget::leaveEvent(QEvent*)
{
    m_surface->setMouseOver(false);
    HeldLock interpreter;
    if (const std::shared_ptr<tLogoGrObject> before = m_hovered.lock())
        before->mouseLeft();
    m_hovered.reset();
}

} // namespace velmora
