// tcontainingcontrol: an object that can receive newly created objects. Asked which container
// takes a new object of a class, it answers itself; pages and windows will answer otherwise.
#pragma once

#include "objects/ControlObject.h"

namespace velmora {

class tcontainerobject;

class tcontainingcontrol : public tControlObject {
public:
    virtual tcontainerobject* containerForClass(tmultiobject* objectClass);

protected:
    using tControlObject::tControlObject;
};

} // namespace velmora
