// tcontainingcontrol: an object that can receive newly created objects: asked which container
// takes a new object of a class, it answers. A container answers itself; pages and windows will
// answer otherwise.
#pragma once

#include "objects/ControlObject.h"

namespace velmora {

class tcontainerobject;

class tcontainingcontrol : public tControlObject {
public:
    virtual tcontainerobject* containerForClass(tmultiobject* objectClass) = 0;

protected:
    using tControlObject::tControlObject;
};

} // namespace velmora
