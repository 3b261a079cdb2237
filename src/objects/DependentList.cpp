#include "objects/DependentList.h"

#include <iterator>
#include <utility>

namespace velmora {

void DependentList::remove(const tmultiobject* object)
{
    for (size_t front = nextTaken(0), back = m_slots.size(); front < back;
         front = nextTaken(front + 1)) {
        if (m_slots[front] == object) {
            vacate(front);
            return;
        }
        if (m_slots[--back] == object) {
            vacate(back);
            return;
        }
    }
}

// Empty slots at the end go at once, so that the last slot always holds an object; the slots
// an empty one skips to lie before some slot that does, and so are never cut off.
void DependentList::vacate(size_t index)
{
    m_slots[index] = nullptr;
    m_skipTo[index] = index + 1;
    ++m_emptySlots;
    while (!m_slots.empty() && !m_slots.back()) {
        m_slots.pop_back();
        m_skipTo.pop_back();
        --m_emptySlots;
    }
    if (2 * m_emptySlots > m_slots.size()) {
        std::erase(m_slots, nullptr);
        m_skipTo.assign(m_slots.size(), 0);
        m_emptySlots = 0;
    }
}

size_t DependentList::nextTaken(size_t index)
{
    size_t found = index;
    while (found < m_slots.size() && !m_slots[found])
        found = m_skipTo[found];
    // Every empty slot passed on the way skips straight to what was found.
    while (index < found && !m_slots[index])
        index = std::exchange(m_skipTo[index], found);
    return found;
}

std::vector<tmultiobject*> DependentList::snapshot() const
{
    std::vector<tmultiobject*> taken;
    std::copy_if(m_slots.begin(), m_slots.end(), std::back_inserter(taken),
        [](tmultiobject* slot) { return slot != nullptr; });
    return taken;
}

} // namespace velmora
