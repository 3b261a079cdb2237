// Running code as other objects: "ask", "askeach", "tell", "each" and "who".
#pragma once

#include "interpreter/LogoTab.h"

namespace velmora {

void registerAskPrimitives(tLogoTab& table, tlogoobject* owner);

} // namespace velmora
