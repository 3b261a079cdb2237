// The infix operators, the unary signs and the comparisons of the main object.
#pragma once

#include "interpreter/LogoTab.h"

namespace velmora {

void registerArithmeticPrimitives(tLogoTab& table, tlogoobject* owner);

} // namespace velmora
