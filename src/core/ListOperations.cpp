#include "core/ListOperations.h"

#include "core/ListOperationRows.h"
#include "interpreter/ClassTables.h"

namespace velmora {

void registerListOperations(ClassTables& tables)
{
    for (const auto& family : { listAccessRows(), listConstructionRows(), listEvaluationRows(),
             listVectorRows(), listSortRows() })
        registerPrimitives(tables.lists, nullptr, family);
}

} // namespace velmora
