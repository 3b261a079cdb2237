// Defining, asking about and listing names in the current object and the workspace: "define",
// "name?", "defined?", "primitive?", "procs" and "names".
#pragma once

#include "interpreter/LogoTab.h"

namespace velmora {

void registerNamePrimitives(tLogoTab& table, tlogoobject* owner);

} // namespace velmora
