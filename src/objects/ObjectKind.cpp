#include "objects/ObjectKind.h"

#include "localization/LanguageDictionary.h"
#include "localization/NameCodes.h"
#include "objects/ContainerObject.h"
#include "values/ValueFactory.h"

namespace velmora {

tmultiobject& makePrototype(
    tcontainerobject& container, std::string_view key, const ObjectKind& kind)
{
    const LanguageDictionary& dictionary = languageDictionary();
    ValueRef noPairs(makeEmptyList());
    ValueRef name(makeWord(dictionary.firstWord("class", key)));
    tmultiobject& prototype = *container.newClass(noPairs.get(), name.get(), noPairs.get());
    prototype.instanceKind = &kind;
    // Common: the instances see it along their chains and get no copies of their own.
    ValueRef prefix(makeWord(dictionary.firstWord("prefix", key)));
    prototype.varTable().setVarMarked(NameCodes::instance().intern("namePrefix"), prefix.get());
    return prototype;
}

} // namespace velmora
