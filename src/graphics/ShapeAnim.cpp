#include "graphics/ShapeAnim.h"

#include <chrono>

namespace velmora {

namespace {

    AnimationPlan::Milliseconds now()
    {
        using namespace std::chrono;
        return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
    }

    // How long the thread sleeps when nothing animates: it wakes for any shape scheduled anyway.
    constexpr AnimationPlan::Milliseconds idleSleep = 60000;

} // namespace

tShapeAnim::tShapeAnim()
    : m_thread([this] { run(); })
{
}

tShapeAnim::~tShapeAnim()
{
    {
        std::lock_guard hold(m_lock);
        m_stopping = true;
        wake();
    }
    m_thread.join();
}

tShapeAnim& tShapeAnim::program()
{
    static tShapeAnim animation;
    return animation;
}

void tShapeAnim::schedule(int delay, AnimatedShape& shape, AnimationPage page)
{
    std::lock_guard hold(m_lock);
    if (m_plan.schedule(now(), delay, &shape, page))
        wake();
}

void tShapeAnim::remove(AnimatedShape& shape)
{
    std::unique_lock hold(m_lock);
    m_plan.remove(&shape);
    m_advanced.wait(hold, [&] { return m_advancing != &shape; });
}

void tShapeAnim::showPage(AnimationPage page)
{
    std::lock_guard hold(m_lock);
    if (m_plan.showPage(now(), page))
        wake();
}

void tShapeAnim::wake()
{
    m_woken = true;
    m_wake.notify_one();
}

void tShapeAnim::run()
{
    std::unique_lock hold(m_lock);
    while (!m_stopping) {
        const AnimationPlan::Milliseconds time = now();
        const AnimationPlan::Milliseconds due
            = m_plan.hasActive() ? m_plan.firstDue() : time + idleSleep;
        if (due > time) {
            m_wake.wait_for(hold, std::chrono::milliseconds(due - time),
                [this] { return m_woken || m_stopping; });
            m_woken = false;
            continue;
        }
        AnimatedShape* shape = m_plan.takeDue(time);
        m_advancing = shape;
        hold.unlock();
        shape->advance();
        m_advances.fetch_add(1, std::memory_order_relaxed);
        hold.lock();
        m_advancing = nullptr;
        m_advanced.notify_all();
    }
}

} // namespace velmora
