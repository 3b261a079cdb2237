// Many processes creating, renaming, asking and erasing the objects of the main object at once,
// while the window side raises events on them: a process that meets an object another one has
// erased gets a Logo error, nothing crashes or deadlocks, and once "stopall" has ended them every
// object is gone with the session.
#include "core/EngineStartup.h"
#include "interpreter/InterpreterState.h"
#include "interpreter/ProcDesc.h"
#include "localization/EventCodes.h"
#include "localization/NameCodes.h"
#include "objects/ControlObject.h"
#include "objects/CreationChain.h"
#include "objects/EventRaising.h"
#include "objects/MultiObject.h"
#include "processes/AllThreads.h"
#include "processes/InterpreterLock.h"
#include "processes/RecordingCommander.h"
#include "processes/Watchdog.h"
#include "startup/ConsoleSession.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

    // "renameobject OLD NEW" renames an object of the main object's table. The engine has no
    // primitive for it yet (visual objects will rename through their "name" property), so the
    // test registers this one in the main object to reach renaming from Logo processes.
    class RenameObjectCommand final : public tProcDesc {
    public:
        RenameObjectCommand()
            : tProcDesc(NameCodes::instance().intern("renameobject"), 2, false, etFun)
        {
        }

        void call(int32_t, CallForm, CallRoute) override
        {
            InterpreterState& state = *InterpreterState::current();
            ValueRef newName = state.valueStack.pop();
            ValueRef oldName = state.valueStack.pop();
            auto* object = dynamic_cast<tControlObject*>(
                CreationChain::first()->findObject(oldName->nameCode()));
            if (!object)
                throw eLogoException(erNoObject, oldName.get());
            object->rename(newName->text());
            state.valueStack.push(nullptr);
        }
    };

    // Every process makes objects under its own name t<n> and under twenty shared names s<k>,
    // renames, asks and erases shared ones, so it meets objects that others have erased, renamed
    // or replaced under it: those steps fail with errors 50 (no such object), 175 (the name is
    // taken) or 25 (an erased object knows no procedure). "create" and "destroy" wait, so that
    // other processes run while an object is being made or erased.
    const char* const definitions[] = {
        "newclass [] \"thing [define'poke [[] [output hits]] define'create [[] [wait 0]] "
        "define'destroy [[] [make \"gone :gone + 1 wait 0]] own'hits 0 "
        "event'onClick [catch \"error [ignore poke wait 0] make \"clicked :clicked + 1]]",
        "make \"gone 0",
        "make \"clicked 0",
        "make \"rounds 0",
        "to shared",
        "output word \"s random 20",
        "end",
        "to churn :n",
        "catch \"error [new \"thing (list \"name shared)]",
        "catch \"error [new \"thing (list \".name word \"t :n)]",
        "catch \"error [renameobject word \"t :n shared]",
        "catch \"error [ask shared [sethits poke + 1 wait 0 ignore poke]]",
        "catch \"error [eraseobject shared]",
        "catch \"error [eraseobject word \"t :n]",
        "make \"rounds :rounds + 1",
        "end",
    };

    std::string sharedName(int index)
    {
        std::string name = "s";
        name += std::to_string(index);
        return name;
    }

    TEST(SharedObjectsStress, TwoHundredProcessesChurnTheMainObjectsTableUntilStopped)
    {
        startEngine();
        RecordingCommander commander;
        Watchdog watchdog("SharedObjectsStress", std::chrono::seconds(120));
        {
            ConsoleSession session(commander);
            CreationChain::first()->ownTable->registerDesc(new RenameObjectCommand());
            for (const char* line : definitions)
                session.feedLine(line);
            watchdog.progress(1);
            session.feedLine("repeat 200 [forever (list \"churn repcount)]");
            watchdog.progress(2);
            // Events on the shared names, each handler a process of its own running as an object
            // that others may erase under it.
            const NameCode onClick = EventCodes::instance().eventCode("onClick");
            for (int round = 0; round < 50; ++round) {
                {
                    HeldLock lock;
                    for (int index = 0; index < 20; ++index) {
                        const NameCode name = NameCodes::instance().intern(sharedName(index));
                        if (auto* object
                            = dynamic_cast<tmultiobject*>(CreationChain::first()->findObject(name)))
                            startEventProcess(*object, onClick);
                    }
                }
                session.feedLine("wait 2");
            }
            session.feedLine("waituntil [:rounds > 2000]");
            session.feedLine("if :clicked = 0 [throw \"error]");
            watchdog.progress(3);
            session.feedLine("stopall");
            watchdog.progress(4);
            EXPECT_EQ(tallthreads::instance().processes().size(), 1u);
            // What the processes left behind can still be erased, and then only the main object
            // is left.
            session.feedLine("erasecomplete \"thing");
            EXPECT_EQ(CreationChain::first()->nextCreated, nullptr);
            watchdog.progress(5);
        }
        EXPECT_TRUE(tallthreads::instance().processes().empty());
        EXPECT_TRUE(commander.errors.empty()) << "first error " << commander.errors.front();
    }

} // namespace
} // namespace velmora
