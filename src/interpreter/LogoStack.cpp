#include "interpreter/LogoStack.h"

#include <algorithm>

namespace velmora {

tLogoStack::tLogoStack(int32_t capacity)
    : m_capacity(capacity)
    , m_growth(capacity)
    , m_slots(std::make_unique<tlogoobject*[]>(static_cast<size_t>(capacity)))
{
}

tLogoStack::~tLogoStack() { cutBackTo(0); }

void tLogoStack::grow()
{
    const int32_t capacity = m_capacity + m_growth;
    auto slots = std::make_unique<tlogoobject*[]>(static_cast<size_t>(capacity));
    std::copy(m_slots.get(), m_slots.get() + m_height, slots.get());
    m_slots = std::move(slots);
    m_capacity = capacity;
}

void tLogoStack::popInto(tlogoobject*& holder)
{
    if (m_height == 0)
        throw eLogoException(erStackPop);
    tlogoobject* old = holder;
    holder = m_slots[--m_height];
    release(old);
}

tlogoobject* tLogoStack::popUncounted()
{
    if (m_height == 0)
        throw eLogoException(erStackPopdec);
    tlogoobject* value = m_slots[--m_height];
    if (value)
        --value->refCount;
    return value;
}

void tLogoStack::removeBelowTop()
{
    if (m_height < 2)
        throw eLogoException(erStackShiftTop);
    removeAt(1);
}

void tLogoStack::cutBackTo(int32_t height)
{
    while (m_height > height)
        release(m_slots[--m_height]);
}

} // namespace velmora
