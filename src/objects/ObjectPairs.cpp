#include "objects/ObjectPairs.h"

#include "interpreter/InterpreterState.h"
#include "interpreter/ProcedureDefinition.h"
#include "interpreter/Variables.h"
#include "localization/EventCodes.h"
#include "localization/NameCodes.h"
#include "localization/PropertyRows.h"
#include "objects/PrefixWords.h"
#include "values/LogoList.h"
#include "values/ValueFactory.h"

#include <algorithm>

namespace velmora {

namespace {

    tlogoobject* readValue(tlogoobject* value, ObjectPairs::Values values)
    {
        if (values == ObjectPairs::Values::AsGiven || !value->isWord())
            return value;
        const std::string& text = value->text();
        InterpreterState* state = InterpreterState::current();
        if (text.size() < 2 || text.front() != ':' || !state)
            return value;
        return readVariable(*state, NameCodes::instance().intern(text.substr(1)));
    }

    // "global", "properties" and "object" name nothing a parameter list sets.
    constexpr PrefixMeaning<PairKind> pairKinds[] = {
        { PrefixWord::Own, PairKind::Own },
        { PrefixWord::Var, PairKind::Own },
        { PrefixWord::Variable, PairKind::Own },
        { PrefixWord::Define, PairKind::Procedure },
        { PrefixWord::Procedure, PairKind::Procedure },
        { PrefixWord::Event, PairKind::Event },
        { PrefixWord::Setting, PairKind::Plain },
        { PrefixWord::Common, PairKind::Common },
    };

    // The key's name and kind: "common'count" is the common variable count.
    std::pair<NameCode, PairKind> readKey(tlogoobject* key)
    {
        const PrefixedName read = readPrefixedName(key);
        return { read.name, meaningOf(pairKinds, read, PairKind::Plain, key) };
    }

    // The property a key 0..194 stands for, by its main name; any other key as it is.
    tlogoobject* propertyKey(tlogoobject* key)
    {
        if (!key->isWord() && !key->isNumber())
            return key;
        const std::string text = key->printForm(false);
        if (text.empty() || text.size() > 3
            || !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
            return key;
        const int32_t code = std::stoi(text);
        if (code >= propertyCount || PropertyRows::internalName(code).empty())
            return key;
        return makeWord(NameCodes::instance().nameOf(PropertyRows::instance().row(code).mainCode));
    }

    bool isNamingKey(NameCode key)
    {
        const NameCodes& codes = NameCodes::instance();
        return key == codes.find("name") || key == codes.find(".name");
    }

} // namespace

ObjectPairs::ObjectPairs(tlogoobject* list, CreationForm form)
    : ObjectPairs(list, form == CreationForm::NewDotDot ? Values::AsGiven : Values::Evaluated,
        form == CreationForm::New ? Keys::AsGiven : Keys::PropertyNumbers)
{
}

ObjectPairs ObjectPairs::left(tlogoobject* list)
{
    return ObjectPairs(list, Values::AsGiven, Keys::AsGiven);
}

ObjectPairs::ObjectPairs(tlogoobject* list, Values values, Keys keys)
{
    if (!list)
        return;
    if (!list->isList())
        throw eLogoException(erExpectList, list);
    std::pair<NameCode, PairKind> key { 0, PairKind::Plain };
    ValueRef given;
    for (tlogoobject* element : elements(static_cast<tLogoList*>(list))) {
        if (!key.first) {
            given = keys == Keys::AsGiven ? element : propertyKey(element);
            key = readKey(given.get());
            continue;
        }
        m_pairs.push_back({ given, key.first, key.second, ValueRef(readValue(element, values)) });
        key.first = 0;
    }
}

tlogoobject* ObjectPairs::find(std::string_view key) const
{
    const NameCode code = NameCodes::instance().find(key);
    for (const Pair& pair : m_pairs)
        if (code && pair.key == code)
            return pair.value.get();
    return nullptr;
}

tLogoList* ObjectPairs::asList() const
{
    ListBuilder list;
    for (const Pair& pair : m_pairs) {
        list.append(pair.given.get());
        list.append(pair.value.get());
    }
    return list.finish();
}

void ObjectPairs::applyTo(tmultiobject& object) const
{
    for (const Pair& pair : m_pairs)
        apply(object, pair);
}

void ObjectPairs::apply(tmultiobject& object, const Pair& pair)
{
    tlogoobject* value = pair.value.get();
    PairKind kind = pair.kind;
    if (kind == PairKind::Plain && EventCodes::instance().isEventCode(pair.key))
        kind = PairKind::Event;
    if ((kind == PairKind::Plain || kind == PairKind::Common) && isNamingKey(pair.key))
        return;
    if (kind == PairKind::Event)
        object.eventTable().setVar(pair.key, value);
    else if (kind == PairKind::Procedure && value->isWord())
        defineFromText(&object, value->text());
    else if (kind == PairKind::Procedure)
        defineFromList(&object, pair.key, value);
    else
        object.setVariable(
            pair.key, value, kind == PairKind::Common ? VariableScope::Common : VariableScope::Own);
}

} // namespace velmora
