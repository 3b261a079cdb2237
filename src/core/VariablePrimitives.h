// Variables by name: "make", "thing", "local", "let", "inc" and "dec".
#pragma once

#include "interpreter/LogoTab.h"

namespace velmora {

void registerVariablePrimitives(tLogoTab& table, tlogoobject* owner);

} // namespace velmora
