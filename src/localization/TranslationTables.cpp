#include "localization/TranslationTables.h"

#include "localization/ClassAliases.h"
#include "localization/EventCodes.h"
#include "localization/PropertyRows.h"

namespace velmora {

void buildTranslationTables()
{
    EventCodes::build();
    PropertyRows::build();
    ClassAliases::build();
}

} // namespace velmora
