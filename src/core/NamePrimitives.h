// Defining, asking about, listing and burying names in the current object and the workspace:
// "define", "name?", "defined?", "primitive?", "mydefined?", "myprimitive?", "procs", "names",
// "bury", "unbury", "buried", "setbury" and ".hide".
#pragma once

#include "interpreter/LogoTab.h"

namespace velmora {

void registerNamePrimitives(tLogoTab& table, tlogoobject* owner);

} // namespace velmora
