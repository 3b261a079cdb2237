// Repetition, conditionals, "output" and "stop".
#pragma once

#include "interpreter/LogoTab.h"

namespace velmora {

void registerControlPrimitives(tLogoTab& table, tlogoobject* owner);

} // namespace velmora
