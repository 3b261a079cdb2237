// The print family: "print", "show" and "type".
#pragma once

#include "interpreter/LogoTab.h"

namespace velmora {

void registerPrintPrimitives(tLogoTab& table, tlogoobject* owner);

} // namespace velmora
