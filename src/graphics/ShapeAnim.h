// tShapeAnim: the one thread that animates every shape of the program. It sleeps until the first
// shape of its plan (AnimationPlan) is due, or until a shape due earlier is scheduled, then shows
// that shape's next step. Nothing polls: with no shape animating it sleeps a minute at a time.
//
// Locks: one lock guards the plan and the shape being advanced. A shape advances with the lock
// let go, so that painting, which schedules under the surface's items lock, never waits for an
// advance that waits for that items lock. `remove` waits until the shape is not being advanced:
// call it holding no surface lock.
#pragma once

#include "graphics/AnimatedShape.h"
#include "graphics/AnimationPlan.h"

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace velmora {

class tShapeAnim {
public:
    tShapeAnim();
    ~tShapeAnim();
    tShapeAnim(const tShapeAnim&) = delete;
    tShapeAnim& operator=(const tShapeAnim&) = delete;

    // The program's animation thread, started on first use.
    static tShapeAnim& program();

    // The shape's next step in `delay` milliseconds (0: at once); any entry it had goes.
    void schedule(int delay, AnimatedShape& shape, AnimationPage page);
    // The shape leaves the plan; once this returns, the thread no longer touches it.
    void remove(AnimatedShape& shape);
    // The page now shown: the shapes of other pages stop, with the time they had left.
    void showPage(AnimationPage page);
    // How many steps the thread has shown, so that a measure can tell its rate.
    uint64_t advances() const { return m_advances.load(std::memory_order_relaxed); }

private:
    void run();
    void wake(); // under the lock

    std::mutex m_lock;
    std::condition_variable m_wake; // the first due time changed, or the thread must stop
    std::condition_variable m_advanced; // an advance ended
    AnimationPlan m_plan;
    AnimatedShape* m_advancing = nullptr; // the shape shown a step on, outside the lock
    bool m_woken = false;
    bool m_stopping = false;
    std::atomic<uint64_t> m_advances { 0 };
    std::thread m_thread;
};

} // namespace velmora
