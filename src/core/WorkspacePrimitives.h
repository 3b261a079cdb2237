// The workspace utilities of the main object: "date", "time" and "randomize".
#pragma once

#include "interpreter/LogoTab.h"

namespace velmora {

void registerWorkspacePrimitives(tLogoTab& table, tlogoobject* owner);

} // namespace velmora
