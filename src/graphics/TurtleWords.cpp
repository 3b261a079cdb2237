#include "graphics/TurtleWords.h"

#include "localization/LanguageDictionary.h"
#include "localization/NameTranslation.h"
#include "values/ValueFactory.h"

#include <array>

namespace velmora {

namespace {

    // In the order of the enumerations.
    constexpr std::array<std::string_view, 4> penModeKeys { "penup", "pendown", "penreverse",
        "penerase" };
    constexpr std::array<std::string_view, 4> rangeStyleKeys { "wrap", "window", "fence",
        "bounce" };

    template <typename Value, size_t N>
    std::optional<Value> named(tlogoobject* word, const std::array<std::string_view, N>& keys)
    {
        if (word->isWord())
            for (size_t index = 0; index < N; ++index)
                if (isSpellingOf(word->nameCode(), keys[index]))
                    return static_cast<Value>(index);
        return std::nullopt;
    }

    tlogoobject* wordOf(std::string_view key)
    {
        return makeWord(languageDictionary().firstDictionaryWord(key));
    }

} // namespace

std::optional<PenMode> penModeNamed(tlogoobject* word) { return named<PenMode>(word, penModeKeys); }

std::optional<RangeStyle> rangeStyleNamed(tlogoobject* word)
{
    return named<RangeStyle>(word, rangeStyleKeys);
}

tlogoobject* penModeWord(PenMode mode) { return wordOf(penModeKeys[static_cast<size_t>(mode)]); }

tlogoobject* rangeStyleWord(RangeStyle style)
{
    return wordOf(rangeStyleKeys[static_cast<size_t>(style)]);
}

} // namespace velmora
