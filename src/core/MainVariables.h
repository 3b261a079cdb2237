// The main object's variables that tune colours, drawing and random values ("colourstyle",
// "anypos", "overlapmode", ...), read by their localized names: a project written in another
// language sets them under its own words.
//
// Read under the interpreter lock.
#pragma once

#include "values/LogoObject.h"

#include <string_view>

namespace velmora {

// The value of the global variable with this internal name (an entry of the dictionary section
// "name"), or none when it has no value or no Logo process runs on this thread.
tlogoobject* mainObjectVariable(std::string_view internalName);

} // namespace velmora
