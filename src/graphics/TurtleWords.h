// TurtleWords: the keywords that name a turtle's pen mode ("penup", "pendown", "penreverse",
// "penerase") and range style ("wrap", "window", "fence", "bounce"), read and written in the
// language's words.
#pragma once

#include "graphics/TurtleMotion.h"
#include "graphics/TurtlePen.h"
#include "values/LogoObject.h"

#include <optional>

namespace velmora {

// None for a value that is no such word.
std::optional<PenMode> penModeNamed(tlogoobject* word);
std::optional<RangeStyle> rangeStyleNamed(tlogoobject* word);
tlogoobject* penModeWord(PenMode mode);
tlogoobject* rangeStyleWord(RangeStyle style);

} // namespace velmora
