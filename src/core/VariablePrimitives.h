// "make" and "thing": assigning and reading variables by name.
#pragma once

#include "interpreter/LogoTab.h"

namespace velmora {

void registerVariablePrimitives(tLogoTab& table, tlogoobject* owner);

} // namespace velmora
