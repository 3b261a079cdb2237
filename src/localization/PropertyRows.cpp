#include "localization/PropertyRows.h"

#include "localization/DictionaryText.h"
#include "localization/LanguageDictionary.h"
#include "localization/NameCodes.h"
#include "localization/NameComparison.h"
#include "localization/NameTranslation.h"

#include <cassert>

namespace velmora {
namespace {

    // Internal key by property number. The numbers are stored in projects, so a key never moves;
    // empty keys are numbers that name no property.
    constexpr std::array<std::string_view, propertyCount> propertyNameTable = {
        // 0..9: every object
        "name",
        "aPos",
        "xCor",
        "yCor",
        "pos",
        "size",
        "width",
        "height",
        "hint",
        "enabled",
        // 10..19
        "shown",
        "value",
        "richText",
        "font_text",
        "colour",
        "bgcolour_text",
        "editing",
        "transparent",
        "stayEditing",
        "activePage",
        // 20..29
        "caption_window",
        "caption",
        "oneShot",
        "style",
        "down",
        "allUp",
        "flat",
        "group",
        "picture",
        "",
        // 30..39
        "min",
        "max",
        "value_slider",
        "vertical",
        "origin",
        "bgLineColour",
        "bgLineWidth",
        "bgPicture",
        "pageWho",
        "bgColour",
        // 40..49: turtles
        "heading",
        "homeState",
        "xCor",
        "yCor",
        "fillColour",
        "fillPattern",
        "pen",
        "penColour",
        "penWidth",
        "penPattern",
        // 50..59
        "rangeStyle",
        "range",
        "frame",
        "shape",
        "shapeScale",
        "shapeColour",
        "animation",
        "font",
        "transparentClick",
        "parentHandle",
        // 60..69
        "fullPicture",
        "voiceMenu",
        "mainvoiceMenu",
        "frameItem",
        "autoDrag",
        "sensitive",
        "windowState",
        "x",
        "y",
        "z",
        // 70..79: joysticks
        "r",
        "u",
        "v",
        "rangeX",
        "rangeY",
        "rangeZ",
        "rangeR",
        "rangeU",
        "rangeV",
        "deadZoneX",
        // 80..89
        "deadZoneY",
        "deadZoneZ",
        "deadZoneR",
        "deadZoneU",
        "deadZoneV",
        "axesCount",
        "buttonCount",
        "pov",
        "button1",
        "button2",
        // 90..99
        "button3",
        "button4",
        "button5",
        "button6",
        "button7",
        "button8",
        "button9",
        "button10",
        "button11",
        "button12",
        // 100..109
        "button13",
        "button14",
        "button15",
        "button16",
        "button17",
        "button18",
        "button19",
        "button20",
        "button21",
        "button22",
        // 110..119
        "button23",
        "button24",
        "button25",
        "button26",
        "button27",
        "button28",
        "button29",
        "button30",
        "button31",
        "button32",
        // 120..129
        "frameMode",
        "bgcolour_slider",
        "thumbLength",
        "bgLinePattern",
        "selection",
        "selectedText",
        "velocityXY",
        "velocity",
        "angle",
        "prompt",
        // 130..139
        "readlistPrompt",
        "shownRange",
        ".name",
        "switch",
        "useWho",
        "transparent_slider",
        "filename",
        "showbuttons_mm",
        "address",
        "maximized_web",
        // 140..149: web windows, e-mail
        "style_web",
        "host",
        "userID",
        "port_email",
        "attachments",
        "body",
        "fromAddress",
        "fromName",
        "replyTo",
        "subject",
        // 150..159
        "toAddress",
        "toBlindCarbonCopy",
        "toCarbonCopy",
        "showToolbar",
        "server",
        "delayScale",
        "position",
        "playState",
        "style_net",
        "port",
        // 160..169
        "controlledObject",
        "align",
        "order",
        "caption_web",
        "showTitleBar",
        "caption_mm",
        "showtitlebar_mm",
        "maximized",
        "style_mm",
        "runEnabled",
        // 170..179
        "nickName",
        "myPlace",
        "number",
        "borderColour",
        "acceptCommands",
        "acceptKeyMenu",
        "keyMenu",
        "acceptVoiceMenu",
        "frozen",
        "userCanStop",
        // 180..189
        "growWithValue",
        "oneLine",
        "screenState",
        "mainbarShown",
        "paintbarShown",
        "",
        "",
        "",
        "",
        "",
        // 190..194: reserved
        "",
        "",
        "",
        "",
        "",
    };

    // Adds a word (or blank-separated words) to a blank-separated text, without stray blanks
    // when either side is empty.
    void appendWords(std::string& text, std::string_view words)
    {
        if (words.empty())
            return;
        if (!text.empty())
            text += ' ';
        text += words;
    }

    std::vector<NameCode> internAll(std::string_view spellings)
    {
        std::vector<NameCode> codes;
        for (const std::string& word : split(spellings, ' ')) {
            if (!word.empty())
                codes.push_back(NameCodes::instance().intern(word));
        }
        return codes;
    }

    PropertyRow buildRow(std::string_view name)
    {
        const LanguageDictionary& dictionary = languageDictionary();
        PropertyRow row;
        row.synonyms = split(dictionary.entry("dict", name, MissingEntry::Ignore), ' ');
        if (row.synonyms.empty())
            row.synonyms.emplace_back(name);
        for (size_t index = 1; index < row.synonyms.size(); ++index) {
            appendWords(row.getterSpellings, row.synonyms[index]);
            appendWords(row.setterSpellings, setterForm(row.synonyms[index]));
        }
        appendWords(row.getterSpellings, dictionary.getterWords(name));
        appendWords(row.setterSpellings, dictionary.setterWords(name));
        row.mainCode = NameCodes::instance().intern(row.synonyms.front());
        row.setterCode = NameCodes::instance().intern(setterForm(row.synonyms.front()));
        return row;
    }

} // namespace

std::vector<NameCode> PropertyRow::setterCodes() const
{
    std::vector<NameCode> codes { setterCode };
    const std::vector<NameCode> further = internAll(setterSpellings);
    codes.insert(codes.end(), further.begin(), further.end());
    return codes;
}

std::vector<NameCode> PropertyRow::getterCodes() const { return internAll(getterSpellings); }

std::unique_ptr<PropertyRows>& PropertyRows::current()
{
    static std::unique_ptr<PropertyRows> rows;
    return rows;
}

const PropertyRows& PropertyRows::instance()
{
    std::unique_ptr<PropertyRows>& rows = current();
    if (!rows)
        rows = std::make_unique<PropertyRows>();
    return *rows;
}

void PropertyRows::forget() { current().reset(); }

std::string_view PropertyRows::internalName(int32_t property)
{
    if (property < 0 || property >= propertyCount)
        return {};
    return propertyNameTable[static_cast<size_t>(property)];
}

const PropertyRow& PropertyRows::row(int32_t property) const
{
    assert(property >= 0 && property < propertyCount);
    const auto index = static_cast<size_t>(property);
    if (!m_built[index]) {
        const std::string_view name = propertyNameTable[index];
        if (!name.empty())
            m_rows[index] = buildRow(name);
        m_built[index] = true;
    }
    return m_rows[index];
}

bool PropertyRows::isSetterSpelling(int32_t property, std::string_view word) const
{
    if (property < 0 || property >= propertyCount)
        return false;
    const std::string normalized = normalize(word);
    const NameComparison& comparison = currentNameComparison();
    for (const std::string& spelling : split(row(property).setterSpellings, ' ')) {
        if (!spelling.empty() && comparison.equal(spelling, normalized))
            return true;
    }
    return false;
}

bool isSetterSpelling(int32_t property, std::string_view word)
{
    return PropertyRows::instance().isSetterSpelling(property, word);
}

} // namespace velmora
