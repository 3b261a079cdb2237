#include "controls/SurfaceGraphicPart.h"

#include "objects/MultiObject.h"

namespace velmora {

bool SurfaceGraphicPart::frozen() const
{
    for (const tmultiobject* object = &owner(); object; object = object->place())
        if (object->frozen)
            return true;
    return false;
}

} // namespace velmora
