// The apply family: "apply", "map", "filter" and "generate" call a procedure given as a name, a
// definition ([[inputs] line ...]) or a template (an instruction list using "%" or "%1".."%n").
#pragma once

#include "interpreter/LogoTab.h"

namespace velmora {

void registerApplyPrimitives(tLogoTab& table, tlogoobject* owner);

} // namespace velmora
