// "timer" and "resettimer": the unnamed timer and named timers of the main object, and the
// primitives that end or run other programs ("bye", "runprogram").
#pragma once

#include "interpreter/LogoTab.h"

namespace velmora {

void registerTimerPrimitives(tLogoTab& table, tlogoobject* owner);

} // namespace velmora
