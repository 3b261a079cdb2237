// The main object's colour primitives: "torgb" and "velmoracolours".
#pragma once

#include "interpreter/LogoTab.h"

namespace velmora {

void registerColourPrimitives(tLogoTab& table, tlogoobject* owner);

} // namespace velmora
