#include "objects/EventPrimitives.h"

#include "interpreter/InterpreterState.h"
#include "interpreter/Registration.h"
#include "localization/EventCodes.h"
#include "objects/EventRaising.h"
#include "objects/MultiObject.h"
#include "objects/RunningObject.h"
#include "values/ValueFactory.h"

namespace velmora {

namespace {

    // The code of an event name; error 5 for the empty word, 155 for a word that names no event
    // (a misspelt event would otherwise be stored and never run).
    NameCode eventNamed(tlogoobject* name)
    {
        if (name->isWord() && name->text().empty())
            throw eLogoException(erEmptyWord, name);
        const NameCode code = name->nameCode();
        if (!EventCodes::instance().isEventCode(code))
            throw eLogoException(erUnDefEvenet, name);
        return code;
    }

    tlogoobject* primSetEvent(tlogoobject*, tlogoobject* event, tlogoobject* handler)
    {
        const NameCode code = eventNamed(event);
        if (!handler->isList())
            throw eLogoException(erExpectList, handler);
        runningObject().eventTable().setVar(code, handler);
        return nullptr;
    }

    tlogoobject* primEvent(tlogoobject*, tlogoobject* event)
    {
        if (tlogoobject* handler = runningObject().eventHandler(eventNamed(event)))
            return handler;
        return makeEmptyList();
    }

    // Erasing a handler the object does not have leaves nothing to do.
    tlogoobject* primEraseEvent(tlogoobject*, tlogoobject* event)
    {
        const NameCode code = eventNamed(event);
        tLogoEventTab& table = runningObject().eventTable();
        if (table.contains(code))
            table.erase(code);
        return nullptr;
    }

    tlogoobject* primRunEvent(tlogoobject*, tlogoobject* event)
    {
        runEventInPlace(*InterpreterState::current(), runningObject(), eventNamed(event));
        return nullptr;
    }

    // The questions answer false for a word that names no event.
    bool isEventName(tlogoobject* name)
    {
        return name->isWord() && EventCodes::instance().isEventCode(name->nameCode());
    }

    bool primHasEvent(tlogoobject*, tlogoobject* event)
    {
        return isEventName(event) && runningObject().eventHandler(event->nameCode());
    }

    bool primHasOwnEvent(tlogoobject*, tlogoobject* event)
    {
        return isEventName(event) && runningObject().eventTable().contains(event->nameCode());
    }

} // namespace

void registerEventPrimitives(tLogoTab& table, tlogoobject* owner)
{
    static constexpr PrimitiveRow rows[] = {
        fixed<2>("setevent", etFun, primSetEvent),
        fixed<1>("event", etFun, primEvent),
        fixed<1>("eraseevent", etFun, primEraseEvent),
        predicate<1>("event?", etFun, primHasEvent),
        predicate<1>("myevent?", etFun, primHasOwnEvent),
        fixed<1>("runevent", etFun, primRunEvent),
    };
    registerPrimitives(table, owner, rows);
}

} // namespace velmora
