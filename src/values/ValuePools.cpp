#include "values/ValuePools.h"

namespace velmora {

ValuePools& ValuePools::instance()
{
    // Never destroyed: values freed during static destruction still find their pools.
    static ValuePools* pools = new ValuePools;
    return *pools;
}

ListCellPool::~ListCellPool()
{
    for (size_t i = 0; i < m_count; ++i)
        delete m_free[i];
}

tLogoList* ListCellPool::take(tlogoobject* first, tLogoList* rest)
{
    if (m_count == 0)
        return new tLogoList(first, rest);
    tLogoList* cell = m_free[--m_count];
    cell->reset(first, rest);
    return cell;
}

void ListCellPool::recycle(tLogoList* cell)
{
    if (m_count < capacity)
        m_free[m_count++] = cell;
    else
        delete cell;
}

} // namespace velmora
