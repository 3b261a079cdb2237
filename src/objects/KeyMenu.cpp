#include "objects/KeyMenu.h"

#include "localization/Characters.h"
#include "localization/DictionaryText.h"
#include "localization/LanguageDictionary.h"
#include "localization/NameComparison.h"
#include "values/Errors.h"
#include "values/LogoList.h"
#include "values/ValueFactory.h"

#include <array>
#include <optional>
#include <string_view>

namespace velmora {

namespace {

    struct NamedKey {
        std::string_view name; // the key of dictionary section "keynames"
        int32_t keyNumber;
    };

    constexpr std::array<NamedKey, 27> namedKeys = { {
        { "f1", 59 },
        { "f2", 60 },
        { "f3", 61 },
        { "f4", 62 },
        { "f5", 63 },
        { "f6", 64 },
        { "f7", 65 },
        { "f8", 66 },
        { "f9", 67 },
        { "f10", 68 },
        { "f11", 69 },
        { "f12", 70 },
        { "home", 71 },
        { "up", 72 },
        { "pageup", 73 },
        { "left", 75 },
        { "num5", 76 },
        { "right", 77 },
        { "end", 79 },
        { "down", 80 },
        { "pagedown", 81 },
        { "insert", 82 },
        { "delete", 83 },
        { "enter", 84 },
        { "backspace", 85 },
        { "tab", 86 },
        { "esc", 87 },
    } };

    struct ShiftPrefix {
        std::string_view name;
        uint8_t bit;
    };

    constexpr std::array<ShiftPrefix, 3> shiftPrefixes = { {
        { "shift.", shiftBit },
        { "ctrl.", ctrlBit },
        { "alt.", altBit },
    } };

    // Characters that may follow a shift prefix, once upper-cased: "@" to "_".
    constexpr uint8_t firstShiftable = 64;
    constexpr uint8_t lastShiftable = 95;
    constexpr uint8_t spaceCharacter = 32;

    std::vector<std::string> localizedForms(std::string_view key)
    {
        return split(languageDictionary().entry("keynames", key, MissingEntry::Ignore), ' ');
    }

    // Takes a prefix off the front of the word when it begins with one of its localized forms or
    // with its internal form.
    bool takePrefix(std::string_view& word, std::string_view prefix)
    {
        std::vector<std::string> forms = localizedForms(prefix);
        forms.push_back(
            std::string(1, middleDot).append("keynames").append(1, middleDot).append(prefix));
        const NameComparison& comparison = currentNameComparison();
        for (const std::string& form : forms) {
            if (word.size() >= form.size() && comparison.equal(word.substr(0, form.size()), form)) {
                word.remove_prefix(form.size());
                return true;
            }
        }
        return false;
    }

    bool isKeyName(std::string_view word, std::string_view key)
    {
        const NameComparison& comparison = currentNameComparison();
        for (const std::string& form : localizedForms(key))
            if (comparison.equal(word, form))
                return true;
        return false;
    }

    // A character after a shift prefix: Ctrl makes it a control code, Shift and Alt alone keep
    // it upper-cased.
    void setShiftedCharacter(KeyMenuEntry& entry, uint8_t character, tlogoobject* word)
    {
        const uint8_t upper = currentNameComparison().fold(character);
        if (upper < firstShiftable || upper > lastShiftable)
            throw eLogoException(erUnknownKeyMenu, word);
        if (entry.shiftState & ctrlBit) {
            entry.character = static_cast<uint8_t>(upper - firstShiftable);
            entry.shiftState &= static_cast<uint8_t>(~ctrlBit);
        } else {
            entry.character = upper;
        }
    }

    void setNamedKey(KeyMenuEntry& entry, std::string_view name, tlogoobject* word)
    {
        if (isKeyName(name, "space")) {
            entry.character = spaceCharacter;
            return;
        }
        for (const NamedKey& key : namedKeys) {
            if (isKeyName(name, key.name)) {
                entry.keyNumber = key.keyNumber;
                return;
            }
        }
        throw eLogoException(erUnknownKeyMenu, word);
    }

    KeyMenuEntry readKeyWord(tlogoobject* word)
    {
        const std::string text = word->printForm(false);
        std::string_view rest = text;
        KeyMenuEntry entry;
        entry.release = takePrefix(rest, "off.");
        if (rest.size() == 1) {
            entry.character = static_cast<uint8_t>(rest.front());
            return entry;
        }
        for (bool found = true; found;) {
            found = false;
            for (const ShiftPrefix& prefix : shiftPrefixes) {
                if (takePrefix(rest, prefix.name)) {
                    entry.shiftState |= prefix.bit;
                    found = true;
                }
            }
        }
        if (rest.size() == 1)
            setShiftedCharacter(entry, static_cast<uint8_t>(rest.front()), word);
        else
            setNamedKey(entry, rest, word);
        return entry;
    }

    bool isKeyWord(tlogoobject* element) { return element->isWord() || element->isNumber(); }

} // namespace

KeyMenu KeyMenu::read(tlogoobject* list)
{
    if (!list->isList())
        throw eLogoException(erExpectList, list);
    KeyMenu menu;
    if (list->isEmpty())
        return menu;
    menu.m_list = list;
    std::vector<KeyMenuEntry> keys; // read, waiting for their instructions
    const auto* items = static_cast<tLogoList*>(list);
    int32_t left = items->count();
    for (tlogoobject* element : elements(items)) {
        const bool last = --left == 0;
        if (isKeyWord(element)) {
            keys.push_back(readKeyWord(element));
            continue;
        }
        if (!element->isList())
            throw eLogoException(erBadStructure, element);
        if (keys.empty() && last && !element->isEmpty()) {
            menu.m_entries.push_back({ .catchAll = true, .instructions = ValueRef(element) });
            continue;
        }
        if (keys.empty())
            throw eLogoException(erBadStructure, element);
        for (KeyMenuEntry& key : keys) {
            if (!element->isEmpty())
                key.instructions = element;
            menu.m_entries.push_back(std::move(key));
        }
        keys.clear();
    }
    if (!keys.empty())
        throw eLogoException(erBadStructure, list);
    return menu;
}

tlogoobject* KeyMenu::list() const { return m_list ? m_list.get() : makeEmptyList(); }

} // namespace velmora
