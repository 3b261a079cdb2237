#include "graphics/AnimationPlan.h"

#include <algorithm>

namespace velmora {

bool AnimationPlan::schedule(
    Milliseconds now, Milliseconds delay, AnimatedShape* shape, AnimationPage page)
{
    remove(shape);
    if (m_shownPage && page && page != m_shownPage) {
        m_parked.push_back({ delay, shape, page });
        return false;
    }
    return insertActive({ now + delay, shape, page });
}

void AnimationPlan::remove(AnimatedShape* shape)
{
    std::erase_if(m_active, [shape](const Active& entry) { return entry.shape == shape; });
    std::erase_if(m_parked, [shape](const Waiting& entry) { return entry.shape == shape; });
}

// Before the first entry due at the same time or later, so that a step asked for again comes
// before the others due with it.
bool AnimationPlan::insertActive(const Active& entry)
{
    const auto place = std::find_if(m_active.begin(), m_active.end(),
        [&](const Active& other) { return other.due >= entry.due; });
    const bool first = place == m_active.begin();
    m_active.insert(place, entry);
    return first;
}

AnimatedShape* AnimationPlan::takeDue(Milliseconds now)
{
    if (m_active.empty() || m_active.front().due > now)
        return nullptr;
    AnimatedShape* shape = m_active.front().shape;
    m_active.erase(m_active.begin());
    return shape;
}

bool AnimationPlan::showPage(Milliseconds now, AnimationPage page)
{
    if (page == m_shownPage)
        return !m_active.empty();
    const std::vector<Waiting> entries = everyEntryByTimeLeft(now);
    m_shownPage = page;
    m_active.clear();
    m_parked.clear();
    for (const Waiting& entry : entries) {
        if (entry.page && entry.page != page)
            m_parked.push_back(entry);
        else
            m_active.push_back({ now + entry.remaining, entry.shape, entry.page });
    }
    return !m_active.empty();
}

// Active entries count what is left until they are due (none when overdue); the parked ones keep
// theirs. Sorted stably, so that entries due together keep their order.
std::vector<AnimationPlan::Waiting> AnimationPlan::everyEntryByTimeLeft(Milliseconds now) const
{
    std::vector<Waiting> entries;
    for (const Active& entry : m_active)
        entries.push_back({ std::max<Milliseconds>(entry.due - now, 0), entry.shape, entry.page });
    entries.insert(entries.end(), m_parked.begin(), m_parked.end());
    std::stable_sort(entries.begin(), entries.end(),
        [](const Waiting& a, const Waiting& b) { return a.remaining < b.remaining; });
    return entries;
}

std::vector<AnimationPlan::Parked> AnimationPlan::parked() const
{
    std::vector<Parked> result;
    for (const Waiting& entry : m_parked)
        result.push_back({ entry.remaining, entry.shape });
    return result;
}

} // namespace velmora
