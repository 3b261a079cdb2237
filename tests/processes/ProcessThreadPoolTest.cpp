// The threads of the processes: reused, given their stack size alone, ended when idle, and handed
// back by every process as they were found.
#include "processes/ProcessThreadPool.h"
#include "RecordingCommander.h"
#include "core/EngineStartup.h"
#include "processes/InterpreterLock.h"
#include "startup/ConsoleSession.h"
#include "values/ValueFactory.h"

#include <gtest/gtest.h>

#include <atomic>
#include <latch>
#include <pthread.h>
#include <thread>

namespace velmora {
namespace {

    using namespace std::chrono_literals;

    // Long enough for any machine: reaching it fails the test.
    constexpr auto patience = 60s;

    size_t stackSizeOfThisThread()
    {
        pthread_attr_t attributes;
        pthread_getattr_np(pthread_self(), &attributes);
        size_t size = 0;
        pthread_attr_getstacksize(&attributes, &size);
        pthread_attr_destroy(&attributes);
        return size;
    }

    size_t defaultStackSize()
    {
        pthread_attr_t attributes;
        pthread_getattr_default_np(&attributes);
        size_t size = 0;
        pthread_attr_getstacksize(&attributes, &size);
        pthread_attr_destroy(&attributes);
        return size;
    }

    bool allIdle(const ProcessThreadPool::Counts& counts) { return counts.idle == counts.threads; }

    TEST(ProcessThreadPool, NewThreadsGetThePoolsStackSizeAndNoOtherThreadDoes)
    {
        constexpr size_t stackSize = size_t(48) << 20;
        const size_t defaultBefore = defaultStackSize();
        std::atomic<size_t> seen = 0;
        {
            ProcessThreadPool pool(stackSize, 10s);
            pool.run([&] { seen = stackSizeOfThisThread(); });
        }
        EXPECT_GE(seen, stackSize);
        EXPECT_EQ(defaultStackSize(), defaultBefore);
    }

    TEST(ProcessThreadPool, AJobTakesTheThreadThatWentIdleLast)
    {
        ProcessThreadPool pool(size_t(1) << 20, 10s);
        std::thread::id first, second;
        pool.run([&] { first = std::this_thread::get_id(); });
        ASSERT_TRUE(pool.waitForCounts(allIdle, patience));
        pool.run([&] { second = std::this_thread::get_id(); });
        ASSERT_TRUE(pool.waitForCounts(allIdle, patience));
        EXPECT_EQ(first, second);
        EXPECT_EQ(pool.counts().threads, 1u);
    }

    TEST(ProcessThreadPool, IdleThreadsEndAfterTheIdleTimeout)
    {
        ProcessThreadPool pool(size_t(1) << 20, 20ms);
        constexpr int jobs = 3;
        std::latch together(jobs);
        for (int i = 0; i < jobs; ++i)
            pool.run([&] { together.arrive_and_wait(); });
        EXPECT_EQ(pool.counts().threads, size_t(jobs));
        EXPECT_TRUE(pool.waitForCounts(
            [](const ProcessThreadPool::Counts& counts) { return counts.threads == 0; }, patience));
    }

    TEST(ProcessThreadPool, AThreadThatCannotBeCreatedIsAnErrorAndRunsNothing)
    {
        // More than the whole address space.
        ProcessThreadPool pool(size_t(1) << 50, 10s);
        bool ran = false;
        EXPECT_THROW(pool.run([&] { ran = true; }), std::system_error);
        EXPECT_FALSE(ran);
        EXPECT_EQ(pool.counts().threads, 0u);
    }

    std::vector<size_t> heardGrowth;
    void hearGrowth(size_t threads) { heardGrowth.push_back(threads); }

    TEST(ProcessThreadPool, TheGrowthHookHearsOfEveryPowerOfTwoFrom64)
    {
        ProcessThreadPool pool(size_t(1) << 20, 10s);
        pool.setGrowthHook(hearGrowth);
        constexpr int jobs = 130;
        std::latch together(jobs);
        for (int i = 0; i < jobs; ++i)
            pool.run([&] { together.arrive_and_wait(); });
        EXPECT_EQ(heardGrowth, (std::vector<size_t> { 64, 128 }));
    }

    TEST(ProcessThreadPool, DestroyingThePoolWaitsForItsJobs)
    {
        for (int round = 0; round < 20; ++round) {
            constexpr int jobs = 4;
            std::atomic<int> finished = 0;
            std::latch go(1);
            {
                ProcessThreadPool pool(size_t(1) << 20, 10s);
                for (int i = 0; i < jobs; ++i)
                    pool.run([&] {
                        go.wait();
                        ++finished;
                    });
                go.count_down();
            }
            ASSERT_EQ(finished, jobs) << round;
        }
    }

    struct ThreadState {
        bool interpreterState, process, lockHeld, pools;
    };

    ThreadState stateOfThisThread()
    {
        return { InterpreterState::current() != nullptr, tLogoprocess::current() != nullptr,
            InterpreterLock::heldByThisThread(), PoolAccess::allowed() };
    }

    // Every way a process can end leaves its thread as a new thread starts.
    TEST(ProcessThreads, EveryProcessHandsItsThreadBackClean)
    {
        startEngine();
        RecordingCommander commander;
        ConsoleSession session(commander);
        for (const char* line : {
                 "(launch [print 1] \"p) waituntil [done? \"p]",
                 "(launch [stopme] \"p) waituntil [done? \"p]",
                 "(launch [nosuchprocedure] \"p) waituntil [done? \"p]",
                 "(launch [output 1] \"p) waituntil [done? \"p]",
                 "(forever [wait 100000] \"p) cancel \"p",
                 "(every 100000 [] \"p) stopall",
             })
            session.feedLine(line);
        ProcessThreadPool& threads = processThreads();
        // All but the command line's.
        ASSERT_TRUE(threads.waitForCounts(
            [](const ProcessThreadPool::Counts& counts) {
                return counts.idle + 1 == counts.threads;
            },
            patience));
        const size_t idle = threads.counts().idle;
        ASSERT_GT(idle, 0u);
        std::latch together(static_cast<ptrdiff_t>(idle));
        std::vector<ThreadState> states(idle);
        for (size_t i = 0; i < idle; ++i)
            threads.run([&, i] {
                states[i] = stateOfThisThread();
                together.arrive_and_wait();
            });
        ASSERT_TRUE(threads.waitForCounts(
            [](const ProcessThreadPool::Counts& counts) {
                return counts.idle + 1 == counts.threads;
            },
            patience));
        for (const ThreadState& state : states) {
            EXPECT_FALSE(state.interpreterState);
            EXPECT_FALSE(state.process);
            EXPECT_FALSE(state.lockHeld);
            EXPECT_FALSE(state.pools);
        }
    }

} // namespace
} // namespace velmora
