// The object the calling process runs as, and the objects a name denotes from it: what the
// primitives of this folder work on. Call them only from a Logo process, under the interpreter
// lock.
#pragma once

#include "objects/MultiObject.h"

namespace velmora {

// Every process runs as an object: the main object, or one that "ask" or an event chose.
tmultiobject& runningObject();
// The object a name denotes from the running object (Object names in MultiObject.h); error 50
// when none.
tmultiobject& objectNamed(tlogoobject* name);
// A process whose object has gone has nothing left to run as: it ends here.
void endIfRunningObjectErased();

} // namespace velmora
