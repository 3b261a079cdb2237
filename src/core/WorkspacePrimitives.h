// The workspace utilities of the main object: "date", "time", "dateWord",
// "timeWord", "randomize" and ".mem".
#pragma once

#include "interpreter/LogoTab.h"

namespace velmora {

void registerWorkspacePrimitives(tLogoTab& table, tlogoobject* owner);

} // namespace velmora
