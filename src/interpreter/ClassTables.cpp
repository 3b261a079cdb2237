#include "interpreter/ClassTables.h"

namespace velmora {

ClassTables::ClassTables()
    : m_byKind { &words, &integers, &reals, &booleans, &lists, nullptr, &images }
{
    static_assert(static_cast<size_t>(ValueKind::List) == 4, "m_byKind follows ValueKind");
    static_assert(static_cast<size_t>(ValueKind::Image) == 6, "m_byKind follows ValueKind");
    for (tLogoTab* table : { &words, &integers, &reals, &booleans, &lists, &images })
        table->shared = 1;
}

void ClassTables::clear()
{
    for (tLogoTab* table : { &words, &integers, &reals, &booleans, &lists, &images })
        table->clear();
}

} // namespace velmora
