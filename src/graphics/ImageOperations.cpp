#include "graphics/ImageOperations.h"

#include "core/MainObj.h"
#include "graphics/ImageBuilders.h"
#include "graphics/ImageOperationRows.h"
#include "interpreter/ClassTables.h"

namespace velmora {

void registerImageOperations(ClassTables& tables)
{
    for (const auto& family : { imageAccessRows(), imageConstructionRows(), imagePropertyRows() })
        registerPrimitives(tables.images, nullptr, family);
}

void startImages(tMainLogoObject& main)
{
    registerImageOperations(ClassTables::instance());
    registerImageBuilders(main.procTable(), &main);
}

} // namespace velmora
