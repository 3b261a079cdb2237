// PenInputs: colours and pen widths as the drawing commands of turtles and surfaces take and
// report them. Colours are opaque Qt colours inside and colour values of the colour style
// outside; a pen width may be "any" and is never thinner than one pixel.
//
// Read under the interpreter lock (the colour style and the random source).
#pragma once

#include "values/LogoObject.h"

#include <QRgb>

namespace velmora {

QRgb colourInput(tlogoobject* colour);
tlogoobject* colourOutput(QRgb colour);
int32_t penWidthInput(tlogoobject* width);

} // namespace velmora
