// "pprop", "gprop", "remprop", "plist", "setplist", "props" and "pps": the main object's property
// lists (PropertyLists).
#pragma once

#include "interpreter/LogoTab.h"

namespace velmora {

void registerPropertyListPrimitives(tLogoTab& table, tlogoobject* owner);

} // namespace velmora
