#include "objects/ObjectPairs.h"

#include "interpreter/InterpreterState.h"
#include "interpreter/ProcedureDefinition.h"
#include "interpreter/Variables.h"
#include "localization/EventCodes.h"
#include "localization/LanguageDictionary.h"
#include "localization/NameCodes.h"
#include "values/LogoList.h"

namespace velmora {

namespace {

    tlogoobject* readValue(tlogoobject* value, CreationForm form)
    {
        if (form == CreationForm::NewDotDot || !value->isWord())
            return value;
        const std::string& text = value->text();
        InterpreterState* state = InterpreterState::current();
        if (text.size() < 2 || text.front() != ':' || !state)
            return value;
        return readVariable(*state, NameCodes::instance().intern(text.substr(1)));
    }

    struct Prefix {
        std::string_view word; // key of the "param" dictionary section
        PairKind kind;
    };

    constexpr Prefix prefixes[] = {
        { "own", PairKind::Own },
        { "var", PairKind::Own },
        { "variable", PairKind::Own },
        { "define", PairKind::Procedure },
        { "procedure", PairKind::Procedure },
        { "event", PairKind::Event },
        { "setting", PairKind::Plain },
        { "common", PairKind::Common },
    };

    PairKind prefixKind(std::string_view word, tlogoobject* key)
    {
        const LanguageDictionary& dictionary = languageDictionary();
        for (const Prefix& prefix : prefixes)
            if (dictionary.isSynonymInSection("param", prefix.word, word))
                return prefix.kind;
        throw eLogoException(erWrongPrefix, key);
    }

    // The key's name and kind: "common'count" is the common variable count.
    std::pair<NameCode, PairKind> readKey(tlogoobject* key)
    {
        const std::string& text = key->text();
        const size_t apostrophe = text.find('\'');
        if (apostrophe == std::string::npos)
            return { key->nameCode(), PairKind::Plain };
        const std::string_view name = std::string_view(text).substr(apostrophe + 1);
        if (name.empty() || name.find('\'') != std::string_view::npos)
            throw eLogoException(erWrongPrefix, key);
        return { NameCodes::instance().intern(name),
            prefixKind(std::string_view(text).substr(0, apostrophe), key) };
    }

    bool isNamingKey(NameCode key)
    {
        const NameCodes& codes = NameCodes::instance();
        return key == codes.find("name") || key == codes.find(".name");
    }

} // namespace

ObjectPairs::ObjectPairs(tlogoobject* list, CreationForm form)
{
    if (!list)
        return;
    if (!list->isList())
        throw eLogoException(erExpectList, list);
    std::pair<NameCode, PairKind> key { 0, PairKind::Plain };
    for (tlogoobject* element : elements(static_cast<tLogoList*>(list))) {
        if (!key.first) {
            key = readKey(element);
            continue;
        }
        m_pairs.push_back({ key.first, key.second, ValueRef(readValue(element, form)) });
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
