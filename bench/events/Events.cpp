// Events as processes: 10,000 events raised on 100 objects, each starting its handler in a process
// of its own, and 10,000 clicks on 100 controls under the busy rules, which drop a click that
// arrives while the control's handler still runs. Every handler counts itself in a global; the
// bench checks that none was lost (clicks: handled = accepted) and reports the rates.
//
// usage: velmora_events [EVENTS]     (default 10000)
#include "core/EngineStartup.h"
#include "localization/EventCodes.h"
#include "localization/NameCodes.h"
#include "objects/CreationChain.h"
#include "objects/EventRaising.h"
#include "objects/GraphicPart.h"
#include "objects/MultiObject.h"
#include "processes/InterpreterLock.h"
#include "startup/ConsoleSession.h"
#include "support/CollectingCommander.h"
#include "support/PrintedNumber.h"
#include "support/ProcessMeasures.h"

#include "PlainControl.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

using namespace velmora;

namespace {

constexpr int objectCount = 100;

std::string objectName(int index) { return std::string(1, 'b').append(std::to_string(index)); }

} // namespace

int main(int argc, char** argv)
{
    const int events = argc > 1 ? std::atoi(argv[1]) : 10000;
    startEngine();
    CollectingCommander commander;
    ConsoleSession session(commander);
    session.feedLine("make \"handled 0");
    session.feedLine("newclass [] \"counter [event'onClick [make \"handled :handled + 1]]");
    for (int index = 0; index < objectCount; ++index)
        session.feedLine(
            std::string("new \"counter [.name ").append(objectName(index)).append("]"));
    std::vector<tmultiobject*> objects;
    {
        HeldLock lock;
        for (int index = 0; index < objectCount; ++index)
            objects.push_back(static_cast<tmultiobject*>(CreationChain::first()->findObject(
                NameCodes::instance().intern(objectName(index)))));
    }
    const NameCode onClick = EventCodes::instance().eventCode("onClick");

    // Raised directly: no busy rule, every event must run its handler.
    auto start = std::chrono::steady_clock::now();
    {
        HeldLock lock;
        for (int index = 0; index < events; ++index)
            startEventProcess(*objects[index % objectCount], onClick);
    }
    session.feedLine("waituntil [:handled = " + std::to_string(events) + "]");
    const double raisedSeconds = secondsSince(start);
    const long raisedHandled = printedNumber(session, commander, "handled");

    // Clicked: a click while the control's handler runs is dropped. Handlers are seen to end only
    // when this thread serves the main thread, which it does every `objectCount` clicks.
    session.feedLine("make \"handled 0");
    std::vector<std::unique_ptr<PlainControl>> controls;
    for (tmultiobject* object : objects)
        controls.push_back(std::make_unique<PlainControl>(*object));
    long accepted = 0;
    start = std::chrono::steady_clock::now();
    for (int index = 0; index < events; ++index) {
        PlainControl& control = *controls[index % objectCount];
        if (!control.eventRunning())
            ++accepted;
        control.clicked();
        if (index % objectCount == objectCount - 1)
            session.feedLine("wait 0");
    }
    session.feedLine("waituntil [:handled = " + std::to_string(accepted) + "] wait 50");
    const double clickedSeconds = secondsSince(start);
    const long clickedHandled = printedNumber(session, commander, "handled");
    controls.clear();
    session.finish();

    std::printf("raised   %d events: %ld handled in %.3f s (%.0f events/s)%s\n", events,
        raisedHandled, raisedSeconds, events / raisedSeconds,
        raisedHandled == events ? "" : "  LOST EVENTS");
    std::printf("clicked  %d clicks: %ld accepted, %ld dropped by the busy rule, %ld handled in "
                "%.3f s%s\n",
        events, accepted, events - accepted, clickedHandled, clickedSeconds,
        clickedHandled == accepted ? "" : "  LOST EVENTS");
    return raisedHandled == events && clickedHandled == accepted ? 0 : 1;
}
