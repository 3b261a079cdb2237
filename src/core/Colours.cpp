#include "core/Colours.h"

#include "core/MainVariables.h"

#include "localization/DictionaryText.h"
#include "localization/LanguageWords.h"
#include "values/Errors.h"
#include "values/ListHelpers.h"
#include "values/Random.h"
#include "values/ValueFactory.h"

#include <algorithm>
#include <charconv>

namespace velmora {

namespace {

    // The 19 keys in the order words are matched against them.
    constexpr auto keysInNamingOrder = [] {
        std::array<std::string_view, singleColours.size() + shadedColours.size()> keys {};
        size_t next = 0;
        for (const SingleColour& single : singleColours)
            keys[next++] = single.key;
        for (const ShadedColour& shaded : shadedColours)
            keys[next++] = shaded.key;
        return keys;
    }();

    // A single colour written with a shade takes that shade of the first key holding the colour.
    constexpr size_t shadedKeyHolding(Colour colour)
    {
        for (size_t key = 0; key < shadedColours.size(); ++key)
            if (std::ranges::find(shadedColours[key].shades, colour)
                != shadedColours[key].shades.end())
                return key;
        return shadedColours.size();
    }
    static_assert(std::ranges::all_of(singleColours, [](const SingleColour& single) {
        return shadedKeyHolding(single.colour) < shadedColours.size();
    }));

    // What the anycolour setting means when it is no number.
    constexpr int32_t unlimitedChoice = 140;

    enum class ColourStyle : int32_t { Numbers = 0, Names = 1, Lists = 2 };

    struct ColourWordParts {
        std::string_view letters;
        std::string_view digits; // the shade as written; empty when there is none
    };

    ColourWordParts splitAtFirstDigit(std::string_view word)
    {
        const size_t digit = std::min(word.find_first_of("0123456789"), word.size());
        return { word.substr(0, digit), word.substr(digit) };
    }

    int32_t shadeNumber(std::string_view digits)
    {
        int32_t shade = 0;
        const char* end = digits.data() + digits.size();
        const auto [stop, failure] = std::from_chars(digits.data(), end, shade);
        if (failure != std::errc() || stop != end)
            throw eLogoException(erExpectNumber, digits);
        if (shade < 1 || shade > shadeCount)
            throw eLogoException(erMinMax, 1, shadeCount, makeWord(digits));
        return shade;
    }

    struct ColourKeyMatch {
        size_t key; // in keysInNamingOrder
        size_t wordPosition; // among the key's first-form words
    };

    std::optional<ColourKeyMatch> matchColourKey(std::string_view letters)
    {
        for (size_t key = 0; key < keysInNamingOrder.size(); ++key)
            if (const std::optional<size_t> position
                = firstFormPosition(keysInNamingOrder[key], letters))
                return ColourKeyMatch { key, *position };
        return std::nullopt;
    }

    Colour colourOfKey(size_t key, std::optional<int32_t> shade)
    {
        if (key < singleColours.size()) {
            const Colour single = singleColours[key].colour;
            if (!shade)
                return single;
            return shadedColours[shadedKeyHolding(single)].shades[*shade - 1];
        }
        return shadedColours[key - singleColours.size()].shades[shade.value_or(plainShade) - 1];
    }

    int32_t integerSetting(std::string_view name, int32_t otherwise)
    {
        tlogoobject* setting = mainObjectVariable(name);
        return setting && setting->isInteger() ? setting->asInteger() : otherwise;
    }

    Colour randomShade()
    {
        const ShadedColour& key
            = shadedColours[randomInRange(0, static_cast<int32_t>(shadedColours.size()) - 1)];
        return key.shades[randomInRange(0, shadeCount - 1)];
    }

    // An "any" among the choices is a random shade rather than a further draw from the list, which
    // could go on forever.
    Colour randomChoice(const tLogoList* choices)
    {
        const std::vector<tlogoobject*> elements = elementsOf(choices);
        if (elements.empty())
            return randomShade();
        tlogoobject* choice = elements[randomInRange(0, static_cast<int32_t>(elements.size()) - 1)];
        return choice->isAnyWord() ? randomShade() : asColour(choice);
    }

    Colour anyColour()
    {
        tlogoobject* setting = mainObjectVariable("anycolour");
        if (!setting)
            return randomShade();
        if (setting->isList())
            return randomChoice(static_cast<tLogoList*>(setting));
        const int32_t limit = setting->isInteger() ? setting->asInteger() : unlimitedChoice;
        if (limit <= 1)
            return basicPalette[randomInRange(0, 1) == 0 ? 0 : 15];
        if (limit > static_cast<int32_t>(basicPalette.size()))
            return randomShade();
        return basicPalette[randomInRange(0, limit - 1)];
    }

    // Whatever fails inside the list, the error names the list as a colour.
    int32_t colourComponent(tlogoobject* element, tLogoList* list)
    {
        try {
            return element->intInRange(0, 255);
        } catch (const eLogoException&) {
            throw eLogoException(erExpectColors, list);
        }
    }

    Colour colourFromList(tLogoList* list)
    {
        Colour colour = 0;
        int32_t components = 0;
        for (tlogoobject* element : elements(list)) {
            colour = colour << 8 | static_cast<Colour>(colourComponent(element, list));
            if (++components == 3)
                return colour;
        }
        throw eLogoException(erExpectColors, list);
    }

    // The text after the opening bracket: "r g b]" exactly.
    std::optional<Colour> colourFromBracketedText(std::string_view text)
    {
        const char* next = text.data();
        const char* end = text.data() + text.size();
        Colour colour = 0;
        for (int component = 0; component < 3; ++component) {
            if (component > 0 && (next == end || *next++ != ' '))
                return std::nullopt;
            int32_t value = -1;
            const auto [stop, failure] = std::from_chars(next, end, value);
            if (failure != std::errc() || value < 0 || value > 255)
                return std::nullopt;
            colour = colour << 8 | static_cast<Colour>(value);
            next = stop;
        }
        if (std::string_view(next, end) != "]")
            return std::nullopt;
        return colour;
    }

    std::optional<int32_t> paletteNumber(Colour colour)
    {
        const auto entry = std::ranges::find(basicPalette, colour);
        if (entry == basicPalette.end())
            return std::nullopt;
        return static_cast<int32_t>(entry - basicPalette.begin());
    }

} // namespace

Colour asColour(tlogoobject* value)
{
    if (value->isNumber())
        return paletteColour(value->intInRange(0, static_cast<int32_t>(basicPalette.size()) - 1));
    if (value->isWord())
        return colourFromWord(value->text());
    if (value->isList())
        return colourFromList(static_cast<tLogoList*>(value));
    throw eLogoException(erExpectColors, value);
}

Colour colourFromWord(std::string_view word)
{
    std::string name = asciiLowered(word);
    if (name.starts_with('"'))
        name.erase(0, 1);
    if (isAnyWord(name))
        return anyColour();
    const auto [letters, digits] = splitAtFirstDigit(name);
    const std::optional<int32_t> shade
        = digits.empty() ? std::nullopt : std::optional(shadeNumber(digits));
    const std::optional<ColourKeyMatch> match = matchColourKey(letters);
    if (!match)
        throw eLogoException(erColorWrongName, name);
    return colourOfKey(match->key, shade);
}

Colour colourFromText(std::string_view text)
{
    if (!text.starts_with('['))
        return colourFromWord(text);
    return colourFromBracketedText(text.substr(1)).value_or(0);
}

Colour paletteColour(int32_t number)
{
    if (number < 0)
        return static_cast<Colour>(number);
    return number < static_cast<int32_t>(basicPalette.size()) ? basicPalette[number] : 0;
}

tlogoobject* colourValue(Colour colour)
{
    const auto style = static_cast<ColourStyle>(integerSetting("colourstyle", 0));
    if (style == ColourStyle::Lists)
        return rgbList(colour);
    if (style == ColourStyle::Names) {
        if (const std::optional<std::string> name = colourName(colour, WordForm::First))
            return makeWord(*name);
    }
    if (const std::optional<int32_t> number = paletteNumber(colour))
        return makeInteger(*number);
    return rgbList(colour);
}

tlogoobject* rgbList(Colour colour)
{
    ListBuilder components;
    for (int shift : { 16, 8, 0 })
        components.append(makeInteger(static_cast<int32_t>(colour >> shift & 0xFF)));
    return components.finish();
}

tlogoobject* colourNameList()
{
    ListBuilder names;
    names.append(makeWord(mainColourWord("white", WordForm::First)));
    names.append(makeWord(mainColourWord("black", WordForm::First)));
    for (const ShadedColour& shaded : shadedColours)
        names.append(makeWord(mainColourWord(shaded.key, WordForm::First)));
    return names.finish();
}

std::optional<std::string> colourName(Colour colour, WordForm form)
{
    for (const SingleColour& single : singleColours)
        if (single.colour == colour)
            return mainColourWord(single.key, form);
    for (const ShadedColour& shaded : shadedColours) {
        const auto entry = std::ranges::find(shaded.shades, colour);
        if (entry == shaded.shades.end())
            continue;
        const auto shade = static_cast<int32_t>(entry - shaded.shades.begin()) + 1;
        const std::string word = mainColourWord(shaded.key, form);
        return shade == plainShade ? word : word + std::to_string(shade);
    }
    return std::nullopt;
}

std::string inSecondForm(std::string_view word)
{
    const auto [letters, digits] = splitAtFirstDigit(word);
    const std::optional<ColourKeyMatch> match = matchColourKey(letters);
    if (!match)
        return std::string(word);
    const std::vector<std::string> secondForms
        = colourWords(keysInNamingOrder[match->key], WordForm::Second);
    if (secondForms.empty())
        return std::string(word);
    const size_t position = match->wordPosition < secondForms.size() ? match->wordPosition : 0;
    return secondForms[position] + std::string(digits);
}

} // namespace velmora
