// The default interface: where processes that no command line started (event handlers, network
// runs) report their errors and send what they print.
//
// The engine's own default drops both; the console runner installs its session's commander and
// the player its message boxes (PlatformService.h says when a slot may be swapped).
#pragma once

#include "interpreter/Commander.h"
#include "processes/PlatformService.h"

namespace velmora {

PlatformService<Icommander>& defaultCommanderService();

} // namespace velmora
