// DependentList: the objects that depend on an object (its instances and subclasses, the objects
// using it as a behaviour, the objects placed in it), in the order they came.
//
// A class or a container may have a great many dependents, and they mostly leave in the order they
// came or in the reverse one. So leaving shifts none of the others: the search for the leaving
// object runs in from both ends at once, its slot is emptied, and an emptied slot remembers a later
// slot to go on from, so that later searches skip a run of them in one step. The emptied slots are
// squeezed out once they are half of the list. Under the interpreter lock, like the objects.
#pragma once

#include <algorithm>
#include <cstddef>
#include <vector>

namespace velmora {

class tmultiobject;

class DependentList {
public:
    void add(tmultiobject* object)
    {
        m_slots.push_back(object);
        m_skipTo.push_back(0);
    }
    // Removes one occurrence of the object; nothing when it is not there.
    void remove(const tmultiobject* object);
    bool empty() const { return m_slots.size() == m_emptySlots; }
    // The dependent that came last; the list must not be empty.
    tmultiobject* last() const { return m_slots.back(); }
    // The dependents as they are now, for walks during which the list may change.
    std::vector<tmultiobject*> snapshot() const;
    template <typename Predicate> bool any(Predicate predicate) const
    {
        return std::any_of(m_slots.begin(), m_slots.end(),
            [&](tmultiobject* slot) { return slot && predicate(slot); });
    }

private:
    void vacate(size_t index);
    // The first slot from `index` on that holds an object, or the end.
    size_t nextTaken(size_t index);

    std::vector<tmultiobject*> m_slots; // in order of coming; an empty slot is null, never the last
    std::vector<size_t> m_skipTo; // of an empty slot: a later one, every slot between them empty
    size_t m_emptySlots = 0;
};

} // namespace velmora
