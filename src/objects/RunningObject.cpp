#include "objects/RunningObject.h"

#include "interpreter/InterpreterState.h"

namespace velmora {

tmultiobject& runningObject()
{
    return *static_cast<tmultiobject*>(InterpreterState::current()->currentObject);
}

tmultiobject& objectNamed(tlogoobject* name)
{
    auto* object = dynamic_cast<tmultiobject*>(runningObject().findObject(name->nameCode()));
    if (!object)
        throw eLogoException(erNoObject, name);
    return *object;
}

void endIfRunningObjectErased()
{
    if (runningObject().destroyed())
        throw eTerminateException();
}

} // namespace velmora
