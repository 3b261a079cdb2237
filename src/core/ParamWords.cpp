#include "core/ParamWords.h"

#include "localization/LanguageDictionary.h"

namespace velmora {

bool isParamWord(std::string_view key, tlogoobject* value)
{
    return value->isWord() && languageDictionary().isSynonymInSection("param", key, value->text());
}

} // namespace velmora
