// Raising events: how an object's handler for an event comes to run.
//
// Most events run their handler in a Logo process of their own, named "@" + object name + event
// name, running as the object with a fresh local table and no who list; whoever raised the event
// may ask to be told when that process has ended (the notification, called in the main thread).
// An object without a handler, or with an empty one, starts nothing: the notification is called
// at once. Some events run their handler in the process that raises them instead ("runevent",
// creation, behaviours, erasing), as "ask" would run it.
//
// Locking: every function here is called with the interpreter lock held. Notifications run
// without it.
#pragma once

#include "localization/NameCode.h"
#include "processes/ProcessKind.h"

#include <functional>
#include <string>

namespace velmora {

class InterpreterState;
class tlogoobject;
class tmultiobject;

using EventNotification = std::function<void()>;

// Whether a handler has anything to run.
bool isRunnableHandler(tlogoobject* handler);

// "@" + the object's name + the event's word; "@nil" + the event's word without an object.
std::string eventProcessName(const tmultiobject* object, NameCode event);

// Starts the object's handler in a process of its own; reports whether one was started.
bool startEventProcess(tmultiobject& object, NameCode event, EventNotification notification = {});
// As startEventProcess, with one local variable bound in the process ("onVoiceCommand" hands its
// handler the phrase heard).
bool startEventProcessWithLocal(tmultiobject& object, NameCode event, NameCode localName,
    tlogoobject* localValue, EventNotification notification = {});

// How a button starts its handler: the process kind, whether it runs even with an empty handler,
// and a process name made unique among the running ones.
struct ButtonStart {
    ProcessKind kind = ProcessKind::Event;
    bool evenWithoutHandler = false;
};
bool startButtonProcess(tmultiobject& object, NameCode event, const ButtonStart& how,
    EventNotification notification = {});

// Starts the instructions of a menu entry in a process "@MenuCommand" running as the object that
// set the menu.
void startMenuCommandProcess(tmultiobject& object, tlogoobject* instructions);
// Starts the tool's "onTool" handler in a process "@toolaction" running as the clicked object.
bool startToolActionProcess(
    tmultiobject& tool, tmultiobject& clicked, EventNotification notification = {});
// Starts the "@drag" process of an object that drags itself: it puts the object where the mouse
// is in its place, less where it was clicked, then runs its "onDrag" handler.
bool startDragProcess(tmultiobject& object, EventNotification notification = {});

// Starts the handler in its own process and returns once that process has ended, for raisers
// that must not go on before the handler is done. The calling process waits with the lock
// released and stops (terminate exception) when it is told to.
void runEventAndWait(tmultiobject& object, NameCode event);

// Runs the object's handler in the calling process as the object, in a local scope of its own.
void runEventInPlace(InterpreterState& state, tmultiobject& object, NameCode event);
// Runs a handler found elsewhere (a behaviour's, or one of a chain) in the same way.
void runHandlerInPlace(InterpreterState& state, tmultiobject& object, tlogoobject* handler);

} // namespace velmora
