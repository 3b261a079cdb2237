#include "values/ValuePools.h"

namespace velmora {

ValuePools* ValuePools::create() { return new ValuePools; }

ListCellPool::~ListCellPool()
{
    for (size_t i = 0; i < m_count; ++i)
        delete unpoisonFromPool(m_free[i]);
}

tLogoList* ListCellPool::makeFresh(tlogoobject* first, tLogoList* rest)
{
    ++m_made;
    return new tLogoList(first, rest);
}

} // namespace velmora
