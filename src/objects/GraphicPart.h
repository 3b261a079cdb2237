// tLogoGrObject: the graphic part of a visual object, which turns the mouse input of its control
// into the object's events and lets the user move and resize the object.
//
// At most one mouse handler of an object runs at a time. While one runs ("busy"), presses, clicks
// and moves are dropped, the last button-up is kept and replayed when the handler ends, and an
// enter and a leave that arrive meanwhile cancel each other out (an unmatched one is replayed).
// Shift with the right button moves the object with the mouse, Ctrl with the right button in the
// grip square at its bottom-right corner resizes it, unless it is frozen; an object that drags
// itself follows the mouse with the left button down.
//
// What the control is and does (its bounds, whether it may move, the mouse capture) is asked of
// the subclass, so the behaviour runs and is tested without a window; how an event is started is
// a hook too, which tests replace to count.
//
// Threads and locks: input arrives from the window thread (or a test), the end of a handler from
// its process's notification in the main thread. Both take the interpreter lock first when their
// thread does not hold it, then the one bookkeeping lock that all graphic parts share; events are
// started after the bookkeeping lock is let go. The bookkeeping lives apart from the object and is
// shared with the notifications, so a handler that ends after its object went touches nothing
// freed.
#pragma once

#include "localization/NameCode.h"
#include "objects/EventRaising.h"

#include <cstdint>
#include <memory>
#include <string>

namespace velmora {

class tmultiobject;

enum class MouseButton : uint8_t { Left = 0, Right = 1, Middle = 2 };

struct MousePoint {
    int32_t x = 0;
    int32_t y = 0;
};

struct MouseKeys {
    bool shift = false;
    bool ctrl = false;
};

// A control's place and size in its container's coordinates.
struct ControlBounds {
    int32_t left = 0;
    int32_t top = 0;
    int32_t width = 0;
    int32_t height = 0;
};

enum class MouseCursor : uint8_t { Normal, Move, Resize };

// Whether the object or any container on its place chain is frozen: then the user may not move or
// resize it.
bool frozenWithItsPlaces(const tmultiobject& object);

class tLogoGrObject {
public:
    explicit tLogoGrObject(tmultiobject& owner);
    virtual ~tLogoGrObject();
    tLogoGrObject(const tLogoGrObject&) = delete;
    tLogoGrObject& operator=(const tLogoGrObject&) = delete;

    // The control's mouse input; points are in the control's coordinates, except moves during a
    // user move or resize, which are in the container's (the control itself moves meanwhile).
    void buttonDown(MouseButton button, MousePoint at, MouseKeys keys, bool doubleClick = false);
    void buttonUp(MouseButton button, MousePoint at, MouseKeys keys);
    void clicked();
    void mouseMoved(MousePoint at, bool leftButtonDown);
    void mouseEntered();
    void mouseLeft();

    // "startMove": the control follows the mouse with its centre on it until a button is let go,
    // as with Shift and the right button; nothing when it may not move or is frozen.
    void startUserMove();
    // "startDrag": while the left button stays down on the control, the control is dragged, its
    // top-left corner (the clicked position [0 0]) at the mouse, as a control that drags itself.
    void startDragging();

    // Where the left button last went down on the control.
    MousePoint clickedPosition() const;
    void setClickedPosition(MousePoint at);
    bool eventRunning() const;
    bool userMoving() const;

    tmultiobject& owner() const { return m_owner; }
    // Where the control is now, in its container's coordinates.
    ControlBounds currentBounds() const { return bounds(); }
    // The text shown while the mouse rests on the control; none when empty. Under the
    // interpreter lock.
    virtual std::string hint() const { return {}; }

protected:
    // What the control is and does. Asked under the bookkeeping lock: these must not call back
    // into the graphic part.
    virtual ControlBounds bounds() const = 0;
    virtual void setBounds(const ControlBounds& bounds) = 0;
    virtual bool mayMove() const = 0;
    virtual bool mayResize() const = 0;
    // Frozen itself or in any container on its place chain.
    virtual bool frozen() const { return frozenWithItsPlaces(m_owner); }
    virtual bool dragsItself() const = 0;
    virtual bool acceptsTools() const = 0;
    virtual void captureMouse(bool captured, MouseCursor cursor) = 0;
    virtual void markProjectChanged() { }

    // Starts the object's handler for the event in a process of its own; false when nothing was
    // started (the notification has then run already).
    virtual bool startEvent(NameCode event, EventNotification ended);
    // Starts the "@drag" process of an object that drags itself.
    virtual bool startDrag(EventNotification ended);
    // Starts the active tool's "onTool" handler for this object.
    virtual bool startToolAction(tmultiobject& tool, EventNotification ended);
    // Whether the object has a handler for the event (a double-click runs "onDoubleClick" only
    // when it has one).
    virtual bool hasHandler(NameCode event) const;

private:
    struct Bookkeeping;
    enum class Start : uint8_t { None, Event, Drag, Tool };
    struct Decision {
        Start start = Start::None;
        NameCode event = 0;
        tmultiobject* tool = nullptr;
    };

    void crossBorder(bool Bookkeeping::*pending, bool Bookkeeping::*opposite, const char* event);
    void run(const Decision& decision);
    EventNotification endNotification() const;
    static void handlerEnded(const std::shared_ptr<Bookkeeping>& bookkeeping);
    bool inResizeGrip(MousePoint at) const;
    void beginUserMode(bool resizing, MousePoint at);

    tmultiobject& m_owner;
    std::shared_ptr<Bookkeeping> m_bookkeeping;
};

} // namespace velmora
