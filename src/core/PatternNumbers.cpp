#include "core/PatternNumbers.h"

#include "values/LogoNumber.h"
#include "values/Random.h"

namespace velmora {

namespace {

    int32_t patternNumber(tlogoobject* input, int32_t lastPattern)
    {
        if (input->isAnyWord())
            return randomInRange(0, lastPattern - 1);
        return realInRange(input->asReal(), 0, lastPattern, input);
    }

} // namespace

int32_t penPatternNumber(tlogoobject* input) { return patternNumber(input, lastPenPattern); }

int32_t fillPatternNumber(tlogoobject* input) { return patternNumber(input, lastFillPattern); }

} // namespace velmora
