#include "graphics/ShapeAnim.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>

namespace velmora {
namespace {

    using Clock = std::chrono::steady_clock;

    // Counts its steps; an advance can be held until the test lets it go.
    class CountingShape : public AnimatedShape {
    public:
        void advance() override
        {
            std::unique_lock hold(m_lock);
            m_advancing = true;
            m_changed.notify_all();
            m_changed.wait(hold, [this] { return !m_held; });
            ++m_steps;
            m_lastStep = Clock::now();
            m_advancing = false;
            m_changed.notify_all();
        }

        void hold()
        {
            std::lock_guard guard(m_lock);
            m_held = true;
        }
        void letGo()
        {
            std::lock_guard guard(m_lock);
            m_held = false;
            m_changed.notify_all();
        }
        // Waits a while at most for the condition.
        template <typename Condition>
        bool waitFor(Condition condition, std::chrono::milliseconds most = std::chrono::seconds(1))
        {
            std::unique_lock hold(m_lock);
            return m_changed.wait_for(hold, most, [&] { return condition(*this); });
        }

        int steps() const { return m_steps; }
        bool advancing() const { return m_advancing; }
        Clock::time_point lastStep() const { return m_lastStep; }

    private:
        std::mutex m_lock;
        std::condition_variable m_changed;
        bool m_held = false;
        bool m_advancing = false;
        int m_steps = 0;
        Clock::time_point m_lastStep;
    };

    TEST(ShapeAnimTest, AShapeAdvancesWhenItsDelayHasPassed)
    {
        tShapeAnim animation;
        CountingShape shape;
        const Clock::time_point scheduled = Clock::now();
        animation.schedule(30, shape, nullptr);
        ASSERT_TRUE(shape.waitFor([](CountingShape& s) { return s.steps() == 1; }));
        // The plan counts whole milliseconds: the step may come within one of the delay.
        EXPECT_GE(shape.lastStep() - scheduled, std::chrono::milliseconds(29));
        animation.remove(shape);
    }

    // A shape on a page that is not shown waits until its page is.
    TEST(ShapeAnimTest, AParkedShapeAdvancesOnceItsPageIsShown)
    {
        char shown, other;
        tShapeAnim animation;
        CountingShape shape;
        animation.showPage(&shown);
        animation.schedule(0, shape, &other);
        EXPECT_FALSE(shape.waitFor(
            [](CountingShape& s) { return s.steps() > 0; }, std::chrono::milliseconds(100)));
        animation.showPage(&other);
        EXPECT_TRUE(shape.waitFor([](CountingShape& s) { return s.steps() == 1; }));
        animation.remove(shape);
    }

    // Once remove returns, the thread no longer touches the shape: it waits for an advance
    // under way.
    TEST(ShapeAnimTest, RemovingWaitsForAnAdvanceUnderWay)
    {
        tShapeAnim animation;
        CountingShape shape;
        shape.hold();
        animation.schedule(0, shape, nullptr);
        ASSERT_TRUE(shape.waitFor([](CountingShape& s) { return s.advancing(); }));
        std::atomic<bool> removed = false;
        std::thread remover([&] {
            animation.remove(shape);
            removed = true;
        });
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        EXPECT_FALSE(removed);
        shape.letGo();
        remover.join();
        EXPECT_TRUE(removed);
        EXPECT_EQ(shape.steps(), 1);
    }

} // namespace
} // namespace velmora
