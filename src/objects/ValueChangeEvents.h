// ValueChangeEvents: the change events of a value control (a text box, a slider), coalesced so
// that a control runs one change handler at a time.
//
// A change while the "onChange" handler runs is remembered, not queued: however many arrive,
// one more "onChange" runs when the handler ends. A slider also reports that the user has
// finished changing it ("onChanged"), remembered the same way; a remembered change runs before a
// remembered "changed".
//
// Threads and locks as for the graphic part (GraphicPart.h): input and the end of a handler take
// the interpreter lock first when their thread does not hold it, then the control's own lock; the
// bookkeeping outlives the control for the notifications that still refer to it.
#pragma once

#include "localization/NameCode.h"
#include "objects/EventRaising.h"

#include <memory>

namespace velmora {

class tmultiobject;

class ValueChangeEvents {
public:
    explicit ValueChangeEvents(tmultiobject& owner);
    virtual ~ValueChangeEvents();
    ValueChangeEvents(const ValueChangeEvents&) = delete;
    ValueChangeEvents& operator=(const ValueChangeEvents&) = delete;

    // The value changed: "onChange".
    void valueChanged();
    // The user has finished changing the value: "onChanged".
    void changeFinished();
    bool eventRunning() const;

protected:
    // Starts the handler in a process of its own; false when nothing was started (the
    // notification has then run already).
    virtual bool startEvent(NameCode event, EventNotification ended);

private:
    struct Bookkeeping;
    void raise(NameCode event, bool Bookkeeping::*pending);
    static void handlerEnded(const std::shared_ptr<Bookkeeping>& bookkeeping);

    tmultiobject& m_owner;
    std::shared_ptr<Bookkeeping> m_bookkeeping;
};

} // namespace velmora
