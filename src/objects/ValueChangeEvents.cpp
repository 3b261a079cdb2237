#include "objects/ValueChangeEvents.h"

#include "localization/EventCodes.h"
#include "processes/InterpreterLock.h"

#include <mutex>
#include <utility>

namespace velmora {

struct ValueChangeEvents::Bookkeeping {
    mutable std::mutex mutex;
    ValueChangeEvents* control; // none once the control is gone
    bool busy = false;
    bool pendingChange = false;
    bool pendingChanged = false;
};

namespace {

    NameCode onChange() { return EventCodes::instance().eventCode("onChange"); }
    NameCode onChanged() { return EventCodes::instance().eventCode("onChanged"); }

} // namespace

ValueChangeEvents::ValueChangeEvents(tmultiobject& owner)
    : m_owner(owner)
    , m_bookkeeping(std::make_shared<Bookkeeping>())
{
    m_bookkeeping->control = this;
}

ValueChangeEvents::~ValueChangeEvents()
{
    std::lock_guard guard(m_bookkeeping->mutex);
    m_bookkeeping->control = nullptr;
}

void ValueChangeEvents::valueChanged() { raise(onChange(), &Bookkeeping::pendingChange); }

void ValueChangeEvents::changeFinished() { raise(onChanged(), &Bookkeeping::pendingChanged); }

bool ValueChangeEvents::eventRunning() const
{
    std::lock_guard guard(m_bookkeeping->mutex);
    return m_bookkeeping->busy;
}

bool ValueChangeEvents::startEvent(NameCode event, EventNotification ended)
{
    return startEventProcess(m_owner, event, std::move(ended));
}

// Starts the handler, or remembers it while another runs. The process is started with the
// control's lock let go: with no handler the notification runs at once and takes it itself.
void ValueChangeEvents::raise(NameCode event, bool Bookkeeping::*pending)
{
    HeldLockUnlessHeld interpreter;
    {
        std::lock_guard guard(m_bookkeeping->mutex);
        if (m_bookkeeping->busy) {
            m_bookkeeping.get()->*pending = true;
            return;
        }
        m_bookkeeping->busy = true;
    }
    startEvent(event, [bookkeeping = m_bookkeeping] { handlerEnded(bookkeeping); });
}

void ValueChangeEvents::handlerEnded(const std::shared_ptr<Bookkeeping>& bookkeeping)
{
    HeldLockUnlessHeld interpreter;
    ValueChangeEvents* control = nullptr;
    bool change = false;
    bool changed = false;
    {
        std::lock_guard guard(bookkeeping->mutex);
        bookkeeping->busy = false;
        control = bookkeeping->control;
        if (!control)
            return;
        change = std::exchange(bookkeeping->pendingChange, false);
        if (!change)
            changed = std::exchange(bookkeeping->pendingChanged, false);
    }
    if (change)
        control->valueChanged();
    else if (changed)
        control->changeFinished();
}

} // namespace velmora
