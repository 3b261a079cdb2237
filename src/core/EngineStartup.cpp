#include "core/EngineStartup.h"

#include "core/ListOperations.h"
#include "core/Options.h"
#include "core/WordOperations.h"
#include "interpreter/ClassTables.h"
#include "interpreter/SystemCodes.h"
#include "localization/LanguageDictionary.h"
#include "localization/NameCodes.h"
#include "localization/NameComparison.h"
#include "localization/TranslationTables.h"

namespace velmora {

bool startEngine(std::string_view language)
{
    LanguageDictionary& dictionary = languageDictionary();
    if (!dictionary.loadLanguage(language))
        return false;
    const bool ansi = !dictionary.getString("system", "ansi", MissingEntry::Ignore).empty();
    setCurrentNameComparison(NameComparison::ofLanguage(language, ansi));
    NameCodes::instance().clear();
    buildTranslationTables();
    ClassTables::instance().clear();
    // The operations of text words, integers, reals and booleans.
    registerWordAndNumberOperations(ClassTables::instance());
    registerListOperations(ClassTables::instance());
    resetOptions(OptionsReset::EngineStart);
    SystemCodes::intern();
    return true;
}

} // namespace velmora
