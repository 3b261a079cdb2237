// Events run as Logo processes: handlers started from the window side run as their objects, the
// busy rule holds until a handler's process has ended (its notification reaches the main thread),
// an error in a handler is reported and still frees the object, and no raised event is lost.
#include "core/EngineStartup.h"
#include "localization/EventCodes.h"
#include "localization/NameCodes.h"
#include "objects/CreationChain.h"
#include "objects/EventRaising.h"
#include "objects/GraphicPart.h"
#include "objects/MultiObject.h"
#include "processes/InterpreterLock.h"
#include "startup/ConsoleSession.h"

#include "PlainControl.h"
#include "processes/RecordingCommander.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <thread>

namespace velmora {

namespace {

    class EventProcessTest : public testing::Test {
    protected:
        EventProcessTest()
        {
            startEngine();
            session = std::make_unique<ConsoleSession>(commander);
        }
        ~EventProcessTest() override { session->finish(); }

        // Runs a line; the main thread serves the processes' notifications meanwhile.
        void run(const std::string& line) { session->feedLine(line); }

        // Under the lock.
        static tmultiobject& objectNamed(const std::string& name)
        {
            return *static_cast<tmultiobject*>(
                CreationChain::first()->findObject(NameCodes::instance().intern(name)));
        }

        static tmultiobject& object(const std::string& name)
        {
            HeldLock lock;
            return objectNamed(name);
        }

        static NameCode event(const char* name) { return EventCodes::instance().eventCode(name); }

        RecordingCommander commander;
        std::unique_ptr<ConsoleSession> session;
    };

    TEST_F(EventProcessTest, AClickWhileTheHandlerRunsIsDroppedUntilItsProcessHasEnded)
    {
        run("make \"clicks 0");
        run("newclass [] \"button [event'onClick [make \"clicks :clicks + 1]]");
        run("new \"button [.name b1]");
        PlainControl control(object("b1"));
        // Nobody serves the main thread between these: the first handler cannot be seen to end.
        control.clicked();
        control.clicked();
        EXPECT_TRUE(control.eventRunning());
        run("waituntil [:clicks = 1] wait 20");
        EXPECT_FALSE(control.eventRunning());
        control.clicked();
        run("waituntil [:clicks = 2] wait 20 if :clicks <> 2 [throw \"error]");
        EXPECT_TRUE(commander.errors.empty());
    }

    TEST_F(EventProcessTest, AnEmptyHandlerStartsNothingAndAFailingOneStillFreesTheObject)
    {
        run("newclass [] \"button [event'onClick [] event'onLeftUp [print 1 / 0]]");
        run("new \"button [.name b1]");
        PlainControl control(object("b1"));
        control.clicked();
        EXPECT_FALSE(control.eventRunning());

        control.buttonUp(MouseButton::Left, { 1, 1 }, {});
        run("wait 50");
        EXPECT_FALSE(control.eventRunning());
        ASSERT_EQ(commander.errors.size(), 1u);
        EXPECT_EQ(commander.errors[0], 32);
    }

    std::string counterName(int index)
    {
        std::string name = "c";
        name += std::to_string(index);
        return name;
    }

    TEST_F(EventProcessTest, EveryEventStartedRunsItsHandlerAsItsObject)
    {
        constexpr int objects = 20;
        constexpr int rounds = 100;
        run("make \"seen 0 make \"wrong 0");
        run("newclass [] \"counter [event'onClick [make \"seen :seen + 1 "
            "if not equal? myname word \"c :n [make \"wrong :wrong + 1]]]");
        for (int index = 1; index <= objects; ++index)
            run("new \"counter [.name " + counterName(index) + " own'n " + std::to_string(index)
                + "]");
        {
            HeldLock lock;
            for (int round = 0; round < rounds; ++round)
                for (int index = 1; index <= objects; ++index)
                    EXPECT_TRUE(
                        startEventProcess(objectNamed(counterName(index)), event("onClick")));
        }
        run("waituntil [:seen = " + std::to_string(objects * rounds) + "]");
        run("if :wrong > 0 [throw \"error]");
        EXPECT_TRUE(commander.errors.empty());
    }

    TEST_F(EventProcessTest, ARaiserThatWaitsGoesOnOnlyOnceTheHandlerHasEnded)
    {
        run("make \"done \"false");
        run("newclass [] \"turtleish [event'onBounce [wait 30 make \"done \"true]]");
        run("new \"turtleish [.name t1]");
        tmultiobject& turtle = object("t1");
        std::thread raiser([&] {
            HeldLock lock;
            runEventAndWait(turtle, event("onBounce"));
            EXPECT_TRUE(session != nullptr);
        });
        run("waituntil [:done] wait 10");
        raiser.join();
        EXPECT_TRUE(commander.errors.empty());
    }

} // namespace

} // namespace velmora
