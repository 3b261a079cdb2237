// Many processes started and stopped again and again: no deadlock, nothing left running.
#include "RecordingCommander.h"
#include "core/EngineStartup.h"
#include "processes/AllThreads.h"
#include "startup/ConsoleSession.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

    TEST(ProcessStress, TwoHundredProcessesStoppedAHundredTimes)
    {
        startEngine();
        RecordingCommander commander;
        {
            ConsoleSession session(commander);
            for (int round = 0; round < 100; ++round) {
                session.feedLine("repeat 200 [forever [wait 1000]]");
                ASSERT_EQ(tallthreads::instance().processes().size(), 201u) << round;
                session.feedLine("stopall");
                ASSERT_EQ(tallthreads::instance().processes().size(), 1u) << round;
            }
        }
        EXPECT_TRUE(tallthreads::instance().processes().empty());
        EXPECT_TRUE(commander.errors.empty());
    }

} // namespace
} // namespace velmora
