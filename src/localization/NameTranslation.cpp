#include "localization/NameTranslation.h"

#include "localization/NameCodes.h"

namespace velmora {

std::vector<NameCode> codesOf(std::string_view internalName)
{
    return { NameCodes::instance().intern(internalName) };
}

} // namespace velmora
