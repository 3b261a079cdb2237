// The list of all processes: names made unique among the running processes.
#include "processes/AllThreads.h"
#include "RecordingCommander.h"
#include "core/EngineStartup.h"
#include "startup/ConsoleSession.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

    TEST(AllThreads, UniqueNamesTakeTheFirstFreeNumber)
    {
        startEngine();
        RecordingCommander commander;
        ConsoleSession session(commander);
        for (const char* name : { "Tick", "tick1", "tick3", "tick03", "ticker", "tock" })
            session.feedLine(std::string("(forever [wait 100000] \"").append(name).append(")"));
        const struct {
            const char* name;
            const char* unique;
        } cases[] = {
            { "tock2", "tock2" }, // free
            { "TICK", "TICK2" }, // names compare without case; "tick03" is not "tick3"
            { "tick3", "tick31" }, { "ticker", "ticker1" },
            { "tic", "tic" }, // a name that others begin with is free
        };
        for (const auto& example : cases)
            EXPECT_EQ(tallthreads::instance().uniqueName(example.name), example.unique)
                << example.name;
        session.feedLine("stopall");
        EXPECT_TRUE(commander.errors.empty());
    }

} // namespace
} // namespace velmora
