#include "core/RandomInputs.h"

#include "core/MainVariables.h"
#include "values/LogoList.h"
#include "values/Random.h"

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <string_view>
#include <utility>

namespace velmora {

namespace {

    struct AnyRange {
        AnyQuantity quantity;
        std::string_view variable;
        int32_t low;
        int32_t high;
    };

    constexpr AnyRange anyRanges[] = {
        { AnyQuantity::Forward, "anyforward", 1, 100 },
        { AnyQuantity::Left, "anyleft", 1, 90 },
        { AnyQuantity::Right, "anyright", 1, 90 },
        { AnyQuantity::Angle, "anyangle", 0, 359 },
        { AnyQuantity::PenWidth, "anypenwidth", 1, 20 },
    };

    const AnyRange& anyRangeOf(AnyQuantity quantity)
    {
        return *std::find_if(std::begin(anyRanges), std::end(anyRanges),
            [quantity](const AnyRange& range) { return range.quantity == quantity; });
    }

    int32_t magnitude(tlogoobject* number)
    {
        const int64_t value = std::llabs(int64_t(number->asInteger()));
        return int32_t(std::min<int64_t>(value, std::numeric_limits<int32_t>::max()));
    }

    // The range a project set in the variable, or the default when it set none it could mean.
    std::pair<int32_t, int32_t> boundsIn(tlogoobject* setting, const AnyRange& defaults)
    {
        if (!setting)
            return { defaults.low, defaults.high };
        if (setting->isNumber())
            return { defaults.low, magnitude(setting) };
        if (setting->isList()) {
            auto* list = static_cast<tLogoList*>(setting);
            tlogoobject* low = list->first();
            tlogoobject* high = list->rest() ? list->rest()->first() : nullptr;
            if (list->count() == 2 && low->isNumber() && high->isNumber())
                return { magnitude(low), magnitude(high) };
        }
        return { defaults.low, defaults.high };
    }

} // namespace

int32_t randomAnyValue(AnyQuantity quantity)
{
    const AnyRange& defaults = anyRangeOf(quantity);
    auto [low, high] = boundsIn(mainObjectVariable(defaults.variable), defaults);
    if (high < low)
        std::swap(low, high);
    return randomInRange(low, high);
}

LogoReal numberOrRandom(tlogoobject* input, AnyQuantity quantity)
{
    return input->isAnyWord() ? randomAnyValue(quantity) : input->asReal();
}

} // namespace velmora
