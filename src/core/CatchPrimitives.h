// "catch", "throw", "error" and "throwerror": catching errors and non-local exits by tag.
#pragma once

#include "interpreter/LogoTab.h"

namespace velmora {

void registerCatchPrimitives(tLogoTab& table, tlogoobject* owner);

} // namespace velmora
