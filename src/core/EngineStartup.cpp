#include "core/EngineStartup.h"

#include "interpreter/SystemCodes.h"
#include "localization/NameCodes.h"

namespace velmora {

void startEngine()
{
    NameCodes::instance().clear();
    SystemCodes::intern();
}

} // namespace velmora
