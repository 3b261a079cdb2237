#include "localization/ClassAliases.h"

#include "localization/DictionaryText.h"
#include "localization/LanguageDictionary.h"
#include "localization/NameCodes.h"
#include "localization/NameComparison.h"

#include <array>

namespace velmora {
namespace {

    // The group index is the position here, so the order must not change.
    constexpr std::array<std::string_view, 23> classKeyTable = {
        "button",
        "colorslider",
        "colourbutton",
        "joystick",
        "main",
        "mainwindow",
        "mediaplayer",
        "melodybutton",
        "net",
        "page",
        "pageswitch",
        "pane",
        "separator",
        "slider",
        "switch",
        "textbox",
        "toolbar",
        "toolbutton",
        "toolwindow",
        "turtle",
        "web",
        "widthswitch",
        "window",
    };

} // namespace

ClassAliases& ClassAliases::mutableInstance()
{
    static ClassAliases aliases;
    return aliases;
}

std::span<const std::string_view> ClassAliases::classKeys() { return classKeyTable; }

void ClassAliases::build()
{
    ClassAliases& self = mutableInstance();
    self.m_aliases.clear();
    for (size_t group = 0; group < classKeyTable.size(); ++group) {
        const std::vector<std::string> words = split(
            languageDictionary().getString("class", classKeyTable[group], MissingEntry::Ignore),
            ' ');
        if (words.size() <= 1)
            continue;
        const NameCode main = NameCodes::instance().intern(words.front());
        for (const std::string& word : words)
            self.m_aliases.push_back({ word, static_cast<int32_t>(group), main });
    }
}

NameCode ClassAliases::mainCode(std::string_view name) const
{
    const NameComparison& comparison = currentNameComparison();
    for (const ClassAlias& alias : m_aliases) {
        if (comparison.equal(alias.name, name))
            return alias.mainCode;
    }
    return 0;
}

NameCode classMainCode(std::string_view name) { return ClassAliases::instance().mainCode(name); }

} // namespace velmora
