// tControlObject: an object that lives in a container's object table and may later own a
// graphic part (a visual control). Classes made with "newclass" and their instances are of this
// kind until the visual prototypes bring kinds of their own.
#pragma once

#include "objects/MultiObject.h"

namespace velmora {

class tcontainerobject;

class tControlObject : public tmultiobject {
public:
    tControlObject(const ObjectList& classes, std::string name)
        : tmultiobject(classes, std::move(name))
    {
    }

    // Leaves the owner's table, which frees the object once nothing else holds it.
    void destroyEntry() override;
    void rename(std::string name) override;

    tcontainerobject* ownerContainer = nullptr; // whose object table holds this object

protected:
    using tmultiobject::tmultiobject;
};

} // namespace velmora
