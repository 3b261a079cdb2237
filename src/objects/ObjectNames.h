// The object names that no object table holds: the special words ("receiver", "myParent",
// "myPlace", "lastObject", ...), the main class's name, and object numbers "#N".
#pragma once

#include "localization/NameCode.h"

namespace velmora {

class tmultiobject;
class tlogoobject;

// The object the name denotes as seen from `self`, or none when it is no special name. A special
// name with nothing to denote raises its error (50, 128-133).
tlogoobject* specialObject(tmultiobject* self, NameCode name);

} // namespace velmora
