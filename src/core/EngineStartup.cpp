#include "core/EngineStartup.h"

#include "interpreter/SystemCodes.h"
#include "localization/LanguageDictionary.h"
#include "localization/NameCodes.h"
#include "localization/NameComparison.h"
#include "localization/TranslationTables.h"
#include "values/ClassTables.h"
#include "values/ListOperations.h"

namespace velmora {

bool startEngine(std::string_view language)
{
    LanguageDictionary& dictionary = languageDictionary();
    if (!dictionary.loadLanguage(language))
        return false;
    const bool ansi = !dictionary.getString("system", "ansi", MissingEntry::Ignore).empty();
    setCurrentNameComparison(ansi ? NameComparison::accentInsensitive()
                                  : NameComparison::caseInsensitive(codePageOfLanguage(language)));
    NameCodes::instance().clear();
    buildTranslationTables();
    registerListOperations(ClassTables::instance());
    SystemCodes::intern();
    return true;
}

} // namespace velmora
