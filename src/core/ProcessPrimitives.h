// Starting, stopping and coordinating Logo processes: "launch", "forever", "every", "after",
// "cancel", "stopme", "stopall", "done?", "allprocesses", "processname", "pauseall",
// "resumeall", "runcritical" and "wait".
#pragma once

#include "interpreter/LogoTab.h"

namespace velmora {

void registerProcessPrimitives(tLogoTab& table, tlogoobject* owner);

} // namespace velmora
