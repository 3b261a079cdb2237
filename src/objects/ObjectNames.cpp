#include "objects/ObjectNames.h"

#include "localization/LanguageDictionary.h"
#include "localization/LanguageWords.h"
#include "localization/NameCodes.h"
#include "objects/CreationChain.h"
#include "objects/MultiObject.h"

namespace velmora {

namespace {

    using Resolver = tmultiobject* (*)(tmultiobject* self, NameCode name);

    tmultiobject* orError(tmultiobject* object, errorConst error, NameCode name)
    {
        if (!object)
            throw eLogoException::withName(error, name);
        return object;
    }

    tmultiobject* receiver(tmultiobject* self, NameCode) { return self; }
    tmultiobject* myParent(tmultiobject* self, NameCode name)
    {
        return orError(self->firstClass(), erNoObject, name);
    }
    tmultiobject* myPlace(tmultiobject* self, NameCode name)
    {
        return orError(self->place(), erNoMyplace, name);
    }
    tmultiobject* lastObject(tmultiobject*, NameCode name)
    {
        return orError(CreationChain::lastCreatedHere(), erNoObjCreated, name);
    }
    // Tool buttons, windows and pages are kinds this engine does not make yet: nothing answers.
    tmultiobject* activeToolbutton(tmultiobject*, NameCode name)
    {
        return orError(nullptr, erNoActiveToolbutton, name);
    }
    tmultiobject* myWindow(tmultiobject*, NameCode name)
    {
        return orError(nullptr, erNotInsideWin, name);
    }
    tmultiobject* myPage(tmultiobject*, NameCode name)
    {
        return orError(nullptr, erNotInsidePage, name);
    }

    struct SpecialName {
        std::string_view key; // of the dictionary word
        Resolver resolve;
    };

    constexpr SpecialName specialNames[] = {
        { "receiver", receiver },
        { "myParent", myParent },
        { "activeToolbutton", activeToolbutton },
        { "myPlace", myPlace },
        { "lastObject", lastObject },
        { "myWindow", myWindow },
        { "myPage", myPage },
    };

    // "#N" is a name code of its own, N above the code of "#0"; error 133 when the creation
    // chain has no object N steps on.
    tmultiobject* numberedObject(NameCode name)
    {
        const uint32_t numberZero = static_cast<uint32_t>(NameCodes::instance().find("#0"));
        const uint32_t number = static_cast<uint32_t>(name) - numberZero;
        if (number == 0 || number > 0xFFFF)
            return nullptr;
        if (tmultiobject* object = CreationChain::numbered(static_cast<int32_t>(number)))
            return object;
        throw eLogoException(erMisspaced, "#" + std::to_string(number));
    }

} // namespace

tlogoobject* specialObject(tmultiobject* self, NameCode name)
{
    if (NameCodes::instance().find(mainClassName()) == name)
        return CreationChain::first();
    if (tmultiobject* numbered = numberedObject(name))
        return numbered;
    const std::string& text = NameCodes::instance().nameOf(name);
    const LanguageDictionary& dictionary = languageDictionary();
    for (const SpecialName& special : specialNames)
        if (dictionary.isSynonym(special.key, text))
            return special.resolve(self, name);
    return nullptr;
}

} // namespace velmora
