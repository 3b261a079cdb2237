#include "objects/CreationParameters.h"

#include "interpreter/InterpreterState.h"
#include "interpreter/LogoLocaltab.h"
#include "interpreter/Registration.h"
#include "interpreter/Variables.h"
#include "localization/LanguageDictionary.h"
#include "localization/LanguageWords.h"
#include "localization/NameCodes.h"
#include "localization/PropertyRows.h"
#include "objects/PseudoVariables.h"
#include "objects/RunningObject.h"
#include "values/LogoList.h"
#include "values/ValueFactory.h"

#include <algorithm>
#include <span>

namespace velmora {

namespace {

    NameCode initListName()
    {
        return NameCodes::instance().intern(languageDictionary().firstWord("name", "initList"));
    }

    // Keys written as internal names ("·pos") are compared in their localized form.
    bool isKey(tlogoobject* key, std::span<const NameCode> wanted)
    {
        if (!key->isWord())
            return false;
        const NameCode code = NameCodes::instance().find(translateInternalName(key->text()));
        return std::find(wanted.begin(), wanted.end(), code) != wanted.end();
    }

    enum class Reading { Take, Peek };

    struct Search {
        ValueRef value; // of the first pair with the key, or none
        ValueRef rest; // the pairs without every pair of that key
    };

    // Error 6 when the pairs are no list, 28 for a key without value before the key is found.
    Search search(tlogoobject* pairs, std::span<const NameCode> wanted)
    {
        if (!pairs->isList())
            throw eLogoException(erExpectList, pairs);
        Search found;
        ListBuilder rest;
        tlogoobject* key = nullptr;
        for (tlogoobject* element : elements(static_cast<tLogoList*>(pairs))) {
            if (!key) {
                key = element;
                continue;
            }
            if (!isKey(key, wanted)) {
                rest.append(key);
                rest.append(element);
            } else if (!found.value) {
                found.value = element;
            }
            key = nullptr;
        }
        if (key && !found.value)
            throw eLogoException(erEvenNumber, key);
        if (key)
            rest.append(key);
        found.rest = rest.finish();
        return found;
    }

    // Without such a pair, the class's own variable of the name gives the value, else the
    // default does.
    template <Reading Form>
    tlogoobject* primParameter(tlogoobject*, tlogoobject* name, tlogoobject* fallback)
    {
        InterpreterState& state = *InterpreterState::current();
        const NameCode wanted = name->nameCode();
        Search found = search(readVariable(state, initListName()), { &wanted, 1 });
        if (found.value) {
            if constexpr (Form == Reading::Take)
                assignVariable(state, initListName(), found.rest.get());
            return handOver(found.value.leak());
        }
        tmultiobject* objectClass = runningObject().firstClass();
        tlogoobject* inherited = objectClass ? objectClass->varTable().tryValue(wanted) : nullptr;
        return inherited ? inherited : fallback;
    }

} // namespace

InitListScope::InitListScope(tlogoobject* pairs)
    : m_state(InterpreterState::current())
{
    if (!m_state) {
        m_pairs = pairs;
        return;
    }
    m_state->localTable->openFrame();
    m_state->localTable->bindOwned(initListName(), ValueRef(pairs).leak());
}

InitListScope::~InitListScope()
{
    if (m_state)
        m_state->localTable->closeFrame();
}

tlogoobject* InitListScope::remaining() const
{
    return m_state ? readVariable(*m_state, initListName()) : m_pairs.get();
}

void InitListScope::setRemaining(tlogoobject* pairs)
{
    if (m_state)
        assignVariable(*m_state, initListName(), pairs);
    else
        m_pairs = pairs;
}

ValueRef creationValue(
    int32_t code, tmultiobject& objectClass, ValueRef& loaderPairs, InitListScope& initList)
{
    const PropertyRow& row = PropertyRows::instance().row(code);
    std::vector<NameCode> forms;
    for (const std::string& form : row.synonyms)
        forms.push_back(NameCodes::instance().intern(form));
    if (loaderPairs) {
        Search found = search(loaderPairs.get(), forms);
        if (found.value) {
            loaderPairs = found.rest;
            return found.value;
        }
    }
    Search found = search(initList.remaining(), forms);
    if (found.value) {
        initList.setRemaining(found.rest.get());
        return found.value;
    }
    // A value the class holds; a property the class only offers is computed from an object of
    // the kind, which a class is not.
    tTabDesc* held = objectClass.varTable().find(row.mainCode);
    if (!held || dynamic_cast<tPseudoVarDesc*>(held))
        return {};
    return ValueRef(held->value());
}

ValueRef creationValue(int32_t code, tmultiobject& object, InitListScope& initList)
{
    ValueRef noLoaderPairs;
    return creationValue(code, *object.firstClass(), noLoaderPairs, initList);
}

void registerCreationParameterPrimitives(tLogoTab& table, tlogoobject* owner)
{
    static constexpr PrimitiveRow rows[] = {
        fixed<2>("getparam", etFun, primParameter<Reading::Take>),
        fixed<2>("peekparam", etFun, primParameter<Reading::Peek>),
    };
    registerPrimitives(table, owner, rows);
}

} // namespace velmora
