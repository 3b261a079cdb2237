// The word and arithmetic primitives of the main object.
//
// The constructors and tests of values ("word", "any", "empty?", "word?", "number?", "list?",
// "parse", "parselines") live here; the generic operations that reach the word classes' own
// operations, the arithmetic and the logic primitives in their own files. They are registered
// before every other family of the main object.
#pragma once

#include "interpreter/LogoTab.h"

namespace velmora {

void registerWordAndArithmeticPrimitives(tLogoTab& table, tlogoobject* owner);

} // namespace velmora
