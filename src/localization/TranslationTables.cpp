#include "localization/TranslationTables.h"

#include "localization/ClassAliases.h"
#include "localization/EventCodes.h"
#include "localization/PropertyRows.h"

namespace velmora {

void buildTranslationTables()
{
    EventCodes::build();
    ClassAliases::build();
    PropertyRows::forget();
}

} // namespace velmora
