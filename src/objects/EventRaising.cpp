#include "objects/EventRaising.h"

#include "interpreter/AskStack.h"
#include "interpreter/Evaluator.h"
#include "interpreter/LogoLocaltab.h"
#include "localization/Characters.h"
#include "localization/EventCodes.h"
#include "localization/LanguageWords.h"
#include "localization/NameCodes.h"
#include "objects/CreationChain.h"
#include "objects/MultiObject.h"
#include "processes/AllThreads.h"
#include "processes/DefaultCommander.h"
#include "processes/InterpreterLock.h"
#include "processes/StopWake.h"
#include "values/Reader.h"

#include <condition_variable>
#include <memory>
#include <mutex>

namespace velmora {

namespace {

    // A process that runs `handler` as the object.
    ProcessStart eventStart(tmultiobject& object, NameCode event, tlogoobject* handler,
        tLogoLocaltab* locals, EventNotification notification)
    {
        ProcessStart start;
        start.name = eventProcessName(&object, event);
        start.kind = ProcessKind::Event;
        start.owner = &object;
        start.globals = &CreationChain::first()->varTable();
        start.locals = locals;
        start.list = handler;
        start.commander = &defaultCommanderService().get();
        start.eventCode = event;
        start.onTerminate = std::move(notification);
        return start;
    }

    enum class EmptyHandler { StartsNothing, RunsAnyway };

    // Starts the process, unless its handler has nothing to run: then the notification is called
    // at once and the local table goes.
    bool launchOrNotify(ProcessStart start, EmptyHandler empty = EmptyHandler::StartsNothing)
    {
        if (empty == EmptyHandler::StartsNothing && !isRunnableHandler(start.list)) {
            delete start.locals;
            if (start.onTerminate)
                start.onTerminate();
            return false;
        }
        tLogoprocess::launch(std::make_shared<tLogoprocess>(std::move(start)));
        return true;
    }

    ProcessStart objectsHandler(
        tmultiobject& object, NameCode event, tLogoLocaltab* locals, EventNotification notification)
    {
        return eventStart(
            object, event, object.eventHandler(event), locals, std::move(notification));
    }

    // Closes the local frame a handler run in place opened, on every way out.
    class HandlerFrame {
    public:
        explicit HandlerFrame(tLogoLocaltab& locals)
            : m_locals(locals)
        {
            m_locals.openFrame();
        }
        ~HandlerFrame() { m_locals.closeFrame(); }
        HandlerFrame(const HandlerFrame&) = delete;
        HandlerFrame& operator=(const HandlerFrame&) = delete;

    private:
        tLogoLocaltab& m_locals;
    };

    // The end of an event process that someone waits for. Shared by the waiter and the
    // notification, so that either may be the last to let go.
    struct Completion {
        std::mutex mutex;
        std::condition_variable ended;
        bool done = false;

        void signal()
        {
            std::lock_guard guard(mutex);
            done = true;
            ended.notify_all();
        }
    };

} // namespace

bool isRunnableHandler(tlogoobject* handler) { return handler && !handler->isEmpty(); }

std::string eventProcessName(const tmultiobject* object, NameCode event)
{
    return "@" + (object ? object->name() : std::string("nil"))
        + NameCodes::instance().nameOf(event);
}

bool startEventProcess(tmultiobject& object, NameCode event, EventNotification notification)
{
    return launchOrNotify(objectsHandler(object, event, nullptr, std::move(notification)));
}

bool startEventProcessWithLocal(tmultiobject& object, NameCode event, NameCode localName,
    tlogoobject* localValue, EventNotification notification)
{
    auto* locals = new tLogoLocaltab;
    locals->bindOwned(localName, ValueRef(localValue).leak());
    return launchOrNotify(objectsHandler(object, event, locals, std::move(notification)));
}

bool startButtonProcess(
    tmultiobject& object, NameCode event, const ButtonStart& how, EventNotification notification)
{
    ProcessStart start = objectsHandler(object, event, nullptr, std::move(notification));
    start.name = tallthreads::instance().uniqueName(start.name);
    start.kind = how.kind;
    return launchOrNotify(std::move(start),
        how.evenWithoutHandler ? EmptyHandler::RunsAnyway : EmptyHandler::StartsNothing);
}

void startMenuCommandProcess(tmultiobject& object, tlogoobject* instructions)
{
    ProcessStart start = eventStart(object, 0, instructions, nullptr, {});
    start.name = "@MenuCommand";
    start.kind = ProcessKind::Menu;
    launchOrNotify(std::move(start));
}

bool startToolActionProcess(
    tmultiobject& tool, tmultiobject& clicked, EventNotification notification)
{
    const NameCode onTool = EventCodes::instance().eventCode("onTool");
    ProcessStart start
        = eventStart(clicked, onTool, tool.eventHandler(onTool), nullptr, std::move(notification));
    start.name = "@toolaction";
    return launchOrNotify(std::move(start));
}

bool startDragProcess(tmultiobject& object, EventNotification notification)
{
    auto word = [](const char* internalName) {
        return translateInternalName(std::string(1, middleDot) + internalName);
    };
    const std::string text = word(".setpos") + " " + word("myPlace") + "'" + word("mousepos")
        + " - " + word("clickedpos") + " " + word("runevent") + " \"" + word("onDrag");
    ValueRef instructions(readList(text));
    const NameCode onDrag = EventCodes::instance().eventCode("onDrag");
    ProcessStart start
        = eventStart(object, onDrag, instructions.get(), nullptr, std::move(notification));
    start.name = "@drag";
    start.kind = ProcessKind::Drag;
    return launchOrNotify(std::move(start));
}

void runEventAndWait(tmultiobject& object, NameCode event)
{
    auto completion = std::make_shared<Completion>();
    if (!startEventProcess(object, event, [completion] { completion->signal(); }))
        return;
    tLogoprocess* waiter = tLogoprocess::current();
    auto toldToStop = [waiter] { return waiter && waiter->stopRequested(); };
    {
        ReleasedLock released;
        StopWake wake(waiter, [completion] {
            std::lock_guard guard(completion->mutex);
            completion->ended.notify_all();
        });
        std::unique_lock guard(completion->mutex);
        completion->ended.wait(guard, [&] { return completion->done || toldToStop(); });
    }
    if (toldToStop())
        throw eTerminateException();
}

void runEventInPlace(InterpreterState& state, tmultiobject& object, NameCode event)
{
    runHandlerInPlace(state, object, object.eventHandler(event));
}

void runHandlerInPlace(InterpreterState& state, tmultiobject& object, tlogoobject* handler)
{
    if (!isRunnableHandler(handler))
        return;
    ValueRef keep(handler);
    HandlerFrame frame(*state.localTable);
    AskScope scope(state, &object);
    evaluator::runValue(state, handler);
}

} // namespace velmora
