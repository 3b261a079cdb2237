#include "values/ListOperations.h"

#include "values/ClassTables.h"
#include "values/ListOperationRows.h"

namespace velmora {

void registerListOperations(ClassTables& tables)
{
    for (const auto& family : { listAccessRows(), listConstructionRows(), listEvaluationRows(),
             listVectorRows(), listSortRows() })
        registerPrimitives(tables.lists, nullptr, family);
}

} // namespace velmora
