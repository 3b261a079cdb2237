#include "graphics/SizeInput.h"

#include "values/Errors.h"
#include "values/ListHelpers.h"

namespace velmora {

QSize sizeFromList(tlogoobject* value)
{
    if (!value->isList())
        throw eLogoException(erExpectList, value);
    const std::vector<tlogoobject*> items = elementsOf(static_cast<tLogoList*>(value));
    if (items.size() != 2)
        throw eLogoException(erBadStructure, value);
    return QSize(items[0]->intInRange(1, 32000), items[1]->intInRange(1, 32000));
}

} // namespace velmora
