// AnimationPlan: which animated shape shows its next step when. Shapes on the page being shown
// wait in the active plan, by the time they are due; shapes on other pages are parked with the
// time they had left, and take it up again when their page is shown.
//
// Plain bookkeeping with the time passed in, so that it is tested without a clock or a thread;
// `tShapeAnim` runs it under its lock. A shape is in at most one plan, with at most one entry.
#pragma once

#include <cstdint>
#include <vector>

namespace velmora {

class AnimatedShape;

// Whatever identifies a page (its address); none for a shape of no page, which always animates.
using AnimationPage = const void*;

class AnimationPlan {
public:
    using Milliseconds = int64_t;

    // The shape's next step, `delay` from `now`; any entry it had goes. Gives whether it became
    // the first of the active plan, which the waiting thread must then hear of.
    bool schedule(Milliseconds now, Milliseconds delay, AnimatedShape* shape, AnimationPage page);
    void remove(AnimatedShape* shape);
    // Parks the shapes of the other pages and brings back those of `page`, each with the time it
    // had left. Gives whether the active plan holds any entry afterwards.
    bool showPage(Milliseconds now, AnimationPage page);

    // When the first active entry is due; none when the plan is empty.
    bool hasActive() const { return !m_active.empty(); }
    Milliseconds firstDue() const { return m_active.front().due; }
    // Takes the first active entry when it is due.
    AnimatedShape* takeDue(Milliseconds now);

    // For tests: what waits, in order.
    struct Parked {
        Milliseconds remaining;
        AnimatedShape* shape;
    };
    std::vector<Parked> parked() const;

private:
    struct Active {
        Milliseconds due;
        AnimatedShape* shape;
        AnimationPage page;
    };
    struct Waiting {
        Milliseconds remaining;
        AnimatedShape* shape;
        AnimationPage page;
    };

    bool insertActive(const Active& entry);
    std::vector<Waiting> everyEntryByTimeLeft(Milliseconds now) const;

    std::vector<Active> m_active; // by due time, ascending
    std::vector<Waiting> m_parked; // in the order they were parked
    AnimationPage m_shownPage = nullptr; // none until a page is shown
};

} // namespace velmora
