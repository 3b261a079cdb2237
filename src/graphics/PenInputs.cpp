#include "graphics/PenInputs.h"

#include "core/Colours.h"
#include "core/RandomInputs.h"
#include "values/LogoNumber.h"

#include <algorithm>

namespace velmora {

QRgb colourInput(tlogoobject* colour) { return qRgb(0, 0, 0) | asColour(colour); }

tlogoobject* colourOutput(QRgb colour) { return colourValue(colour & 0xFFFFFF); }

int32_t penWidthInput(tlogoobject* width)
{
    return std::max(1, roundedInteger(numberOrRandom(width, AnyQuantity::PenWidth), width));
}

} // namespace velmora
