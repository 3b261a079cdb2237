#include "values/ClassTables.h"

namespace velmora {

ClassTables& ClassTables::instance()
{
    // Never destroyed: values freed during static destruction still reach their tables.
    static ClassTables* tables = [] {
        auto* created = new ClassTables;
        for (tLogoTab* table : { &created->words, &created->integers, &created->reals,
                 &created->booleans, &created->lists })
            table->shared = 1;
        return created;
    }();
    return *tables;
}

tLogoTab* ClassTables::of(ValueKind kind)
{
    ClassTables& tables = instance();
    switch (kind) {
    case ValueKind::String:
        return &tables.words;
    case ValueKind::Integer:
        return &tables.integers;
    case ValueKind::Real:
        return &tables.reals;
    case ValueKind::Boolean:
        return &tables.booleans;
    case ValueKind::List:
        return &tables.lists;
    case ValueKind::Object:
    case ValueKind::Image:
        break;
    }
    return nullptr;
}

void ClassTables::clear()
{
    for (tLogoTab* table : { &words, &integers, &reals, &booleans, &lists })
        table->clear();
}

} // namespace velmora
