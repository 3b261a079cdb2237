#include "objects/GraphicPart.h"

#include "localization/EventCodes.h"
#include "objects/ActiveToolButton.h"
#include "objects/MultiObject.h"
#include "processes/InterpreterLock.h"

#include <algorithm>
#include <mutex>
#include <optional>

namespace velmora {

namespace {

    // Every graphic part's bookkeeping is guarded by this one lock, taken after the interpreter
    // lock.
    std::mutex s_bookkeepingLock;

    NameCode eventCode(const char* name) { return EventCodes::instance().eventCode(name); }

    NameCode buttonEvent(MouseButton button, bool down)
    {
        static constexpr const char* downEvents[] = { "onLeftDown", "onRightDown", "onMiddleDown" };
        static constexpr const char* upEvents[] = { "onLeftUp", "onRightUp", "onMiddleUp" };
        const auto index = static_cast<size_t>(button);
        return eventCode(down ? downEvents[index] : upEvents[index]);
    }

    // The side of the resize grip: a tenth of the control's side, 8 to 24 pixels.
    int32_t gripSide(int32_t side) { return std::clamp(side / 10, 8, 24); }

    constexpr int32_t smallestUserSize = 4;

} // namespace

struct tLogoGrObject::Bookkeeping {
    struct PendingUp {
        MouseButton button;
        MousePoint at;
        MouseKeys keys;
    };
    enum class UserMode : uint8_t { None, Moving, Resizing };

    tLogoGrObject* part; // none once the graphic part is gone
    bool busy = false;
    bool toolActed = false;
    std::optional<PendingUp> pendingUp;
    bool pendingEnter = false;
    bool pendingLeave = false;
    bool dragArmed = false;
    bool leftDown = false; // pressed on this control and not let go yet
    MousePoint clicked;
    UserMode userMode = UserMode::None;
    MousePoint userStart; // the mouse where the user move or resize began
    ControlBounds boundsAtStart;
};

tLogoGrObject::tLogoGrObject(tmultiobject& owner)
    : m_owner(owner)
    , m_bookkeeping(std::make_shared<Bookkeeping>())
{
    m_bookkeeping->part = this;
}

tLogoGrObject::~tLogoGrObject()
{
    std::lock_guard guard(s_bookkeepingLock);
    m_bookkeeping->part = nullptr;
}

void tLogoGrObject::buttonDown(MouseButton button, MousePoint at, MouseKeys keys, bool doubleClick)
{
    HeldLockUnlessHeld interpreter;
    Decision decision;
    {
        std::lock_guard guard(s_bookkeepingLock);
        Bookkeeping& state = *m_bookkeeping;
        if (state.userMode != Bookkeeping::UserMode::None)
            return;
        const bool left = button == MouseButton::Left;
        if (left) {
            state.toolActed = false;
            state.leftDown = true;
        }
        if (state.busy)
            return;
        tmultiobject* tool = activeToolButton();
        if (left && tool && acceptsTools()) {
            state.busy = true;
            state.toolActed = true;
            decision = { Start::Tool, 0, tool };
        } else if (button == MouseButton::Right && keys.shift && mayMove() && !frozen()) {
            beginUserMode(false, at);
            return;
        } else if (button == MouseButton::Right && keys.ctrl && mayResize() && !frozen()
            && inResizeGrip(at)) {
            beginUserMode(true, at);
            return;
        } else {
            state.busy = true;
            if (left && doubleClick) {
                const NameCode onDoubleClick = eventCode("onDoubleClick");
                decision = { Start::Event,
                    hasHandler(onDoubleClick) ? onDoubleClick : eventCode("onClick"), nullptr };
            } else {
                if (left) {
                    state.clicked = at;
                    state.dragArmed = dragsItself();
                }
                decision = { Start::Event, buttonEvent(button, true), nullptr };
            }
        }
    }
    run(decision);
}

void tLogoGrObject::buttonUp(MouseButton button, MousePoint at, MouseKeys keys)
{
    HeldLockUnlessHeld interpreter;
    Decision decision;
    {
        std::lock_guard guard(s_bookkeepingLock);
        Bookkeeping& state = *m_bookkeeping;
        if (state.userMode != Bookkeeping::UserMode::None) {
            state.userMode = Bookkeeping::UserMode::None;
            captureMouse(false, MouseCursor::Normal);
            return;
        }
        if (button == MouseButton::Left) {
            state.dragArmed = false;
            state.leftDown = false;
        }
        if (state.busy) {
            state.pendingUp = Bookkeeping::PendingUp { button, at, keys };
            return;
        }
        state.busy = true;
        decision = { Start::Event, buttonEvent(button, false), nullptr };
    }
    run(decision);
}

void tLogoGrObject::clicked()
{
    HeldLockUnlessHeld interpreter;
    Decision decision;
    {
        std::lock_guard guard(s_bookkeepingLock);
        Bookkeeping& state = *m_bookkeeping;
        const bool toolActed = std::exchange(state.toolActed, false);
        if (state.userMode != Bookkeeping::UserMode::None || state.busy || toolActed)
            return;
        state.busy = true;
        decision = { Start::Event, eventCode("onClick"), nullptr };
    }
    run(decision);
}

void tLogoGrObject::mouseMoved(MousePoint at, bool leftButtonDown)
{
    HeldLockUnlessHeld interpreter;
    Decision decision;
    {
        std::lock_guard guard(s_bookkeepingLock);
        Bookkeeping& state = *m_bookkeeping;
        if (state.userMode != Bookkeeping::UserMode::None) {
            ControlBounds next = state.boundsAtStart;
            const int32_t dx = at.x - state.userStart.x;
            const int32_t dy = at.y - state.userStart.y;
            if (state.userMode == Bookkeeping::UserMode::Moving) {
                next.left += dx;
                next.top += dy;
            } else {
                next.width = std::max(smallestUserSize, next.width + dx);
                next.height = std::max(smallestUserSize, next.height + dy);
            }
            setBounds(next);
            return;
        }
        if (state.busy)
            return;
        state.busy = true;
        if (!leftButtonDown)
            decision = { Start::Event, eventCode("onMouseMove"), nullptr };
        else if (state.dragArmed)
            decision = { Start::Drag, 0, nullptr };
        else
            decision = { Start::Event, eventCode("onDrag"), nullptr };
    }
    run(decision);
}

void tLogoGrObject::mouseEntered()
{
    crossBorder(&Bookkeeping::pendingEnter, &Bookkeeping::pendingLeave, "onMouseEnter");
}

void tLogoGrObject::mouseLeft()
{
    crossBorder(&Bookkeeping::pendingLeave, &Bookkeeping::pendingEnter, "onMouseLeave");
}

// An enter or a leave: while busy it cancels a remembered crossing the other way, or is
// remembered itself.
void tLogoGrObject::crossBorder(
    bool Bookkeeping::*pending, bool Bookkeeping::*opposite, const char* event)
{
    HeldLockUnlessHeld interpreter;
    {
        std::lock_guard guard(s_bookkeepingLock);
        Bookkeeping& state = *m_bookkeeping;
        if (state.busy) {
            if (state.*opposite)
                state.*opposite = false;
            else
                state.*pending = true;
            return;
        }
        state.busy = true;
    }
    run({ Start::Event, eventCode(event), nullptr });
}

MousePoint tLogoGrObject::clickedPosition() const
{
    std::lock_guard guard(s_bookkeepingLock);
    return m_bookkeeping->clicked;
}

void tLogoGrObject::setClickedPosition(MousePoint at)
{
    std::lock_guard guard(s_bookkeepingLock);
    m_bookkeeping->clicked = at;
}

bool tLogoGrObject::eventRunning() const
{
    std::lock_guard guard(s_bookkeepingLock);
    return m_bookkeeping->busy;
}

bool tLogoGrObject::userMoving() const
{
    std::lock_guard guard(s_bookkeepingLock);
    return m_bookkeeping->userMode != Bookkeeping::UserMode::None;
}

void tLogoGrObject::startUserMove()
{
    HeldLockUnlessHeld interpreter;
    std::lock_guard guard(s_bookkeepingLock);
    if (m_bookkeeping->userMode != Bookkeeping::UserMode::None || !mayMove() || frozen())
        return;
    const ControlBounds now = bounds();
    beginUserMode(false, { now.width / 2, now.height / 2 });
}

void tLogoGrObject::startDragging()
{
    HeldLockUnlessHeld interpreter;
    std::lock_guard guard(s_bookkeepingLock);
    Bookkeeping& state = *m_bookkeeping;
    if (!state.leftDown || !mayMove() || frozen())
        return;
    state.clicked = {};
    state.dragArmed = true;
}

bool tLogoGrObject::startEvent(NameCode event, EventNotification ended)
{
    return startEventProcess(m_owner, event, std::move(ended));
}

bool tLogoGrObject::startDrag(EventNotification ended)
{
    return startDragProcess(m_owner, std::move(ended));
}

bool tLogoGrObject::startToolAction(tmultiobject& tool, EventNotification ended)
{
    return startToolActionProcess(tool, m_owner, std::move(ended));
}

bool tLogoGrObject::hasHandler(NameCode event) const
{
    return isRunnableHandler(m_owner.eventHandler(event));
}

// Runs under the interpreter lock, with the bookkeeping lock let go: starting a process with no
// handler calls the notification at once, which takes the bookkeeping lock itself.
void tLogoGrObject::run(const Decision& decision)
{
    switch (decision.start) {
    case Start::None:
        return;
    case Start::Event:
        startEvent(decision.event, endNotification());
        return;
    case Start::Drag:
        startDrag(endNotification());
        return;
    case Start::Tool:
        startToolAction(*decision.tool, endNotification());
        return;
    }
}

EventNotification tLogoGrObject::endNotification() const
{
    return [bookkeeping = m_bookkeeping] { handlerEnded(bookkeeping); };
}

// The object is free again; one remembered input (a button-up before an enter before a leave)
// is replayed.
void tLogoGrObject::handlerEnded(const std::shared_ptr<Bookkeeping>& bookkeeping)
{
    HeldLockUnlessHeld interpreter;
    std::optional<Bookkeeping::PendingUp> up;
    bool enter = false;
    bool leave = false;
    tLogoGrObject* part = nullptr;
    {
        std::lock_guard guard(s_bookkeepingLock);
        Bookkeeping& state = *bookkeeping;
        state.busy = false;
        part = state.part;
        if (!part)
            return;
        if (state.pendingUp)
            up = std::exchange(state.pendingUp, std::nullopt);
        else if (state.pendingEnter)
            enter = std::exchange(state.pendingEnter, false);
        else if (state.pendingLeave)
            leave = std::exchange(state.pendingLeave, false);
    }
    if (up)
        part->buttonUp(up->button, up->at, up->keys);
    else if (enter)
        part->mouseEntered();
    else if (leave)
        part->mouseLeft();
}

bool tLogoGrObject::inResizeGrip(MousePoint at) const
{
    const ControlBounds box = bounds();
    return at.x >= box.width - gripSide(box.width) && at.x < box.width
        && at.y >= box.height - gripSide(box.height) && at.y < box.height;
}

// `at` is in the control's coordinates; later moves come in the container's.
void tLogoGrObject::beginUserMode(bool resizing, MousePoint at)
{
    Bookkeeping& state = *m_bookkeeping;
    state.userMode = resizing ? Bookkeeping::UserMode::Resizing : Bookkeeping::UserMode::Moving;
    state.boundsAtStart = bounds();
    state.userStart = { state.boundsAtStart.left + at.x, state.boundsAtStart.top + at.y };
    captureMouse(true, resizing ? MouseCursor::Resize : MouseCursor::Move);
    markProjectChanged();
}

bool frozenWithItsPlaces(const tmultiobject& object)
{
    for (const tmultiobject* link = &object; link; link = link->place())
        if (link->frozen)
            return true;
    return false;
}

} // namespace velmora
