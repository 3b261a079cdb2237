// Translation of internal names into the words of the current language.
#pragma once

#include "values/LogoObject.h"

#include <string_view>
#include <vector>

namespace velmora {

// The name codes of every spelling of an internal primitive name. Operator names ("+", "<=",
// "<unary ->") stand for themselves.
std::vector<NameCode> codesOf(std::string_view internalName);

} // namespace velmora
