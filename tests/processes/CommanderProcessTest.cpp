// The command line's process: stop requests that race with its taking of commands.
#include "RecordingCommander.h"
#include "Watchdog.h"
#include "core/EngineStartup.h"
#include "startup/ConsoleSession.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

    // "stopall" in a process lands at any point of the command line's cycle, also between its
    // taking the next command and running it; the waiting command must be stopped all the same,
    // or "stopall" waits for it for ever.
    TEST(CommanderProcess, AStopAllIsNeverLostBetweenCommands)
    {
        startEngine();
        RecordingCommander commander;
        ConsoleSession session(commander);
        Watchdog watchdog("stopall racing the command line", std::chrono::seconds(30));
        for (int round = 0; round < 200; ++round) {
            session.feedLine("(launch [wait 2000] \"q)");
            session.feedLine("(launch [stopall] \"s)");
            session.feedLine("waituntil [done? \"s]");
            watchdog.progress(round);
        }
        EXPECT_TRUE(commander.errors.empty());
    }

} // namespace
} // namespace velmora
