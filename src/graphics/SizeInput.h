// The [width height] lists of "size": whole pixels from 1 to 32000.
#pragma once

#include "values/LogoObject.h"

#include <QSize>

namespace velmora {

// Error 6 for a value that is no list, 10 for a list of other than two numbers.
QSize sizeFromList(tlogoobject* value);

} // namespace velmora
