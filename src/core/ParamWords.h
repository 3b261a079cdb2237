// The keywords of commands that take their options as name and value pairs ("putpicture",
// "glide", "setimageinfo"), read in the language's words from the dictionary's "param" section.
#pragma once

#include "values/LogoObject.h"

#include <string_view>

namespace velmora {

// Whether the value is a word that the dictionary gives for the keyword `key`. Under the
// interpreter lock.
bool isParamWord(std::string_view key, tlogoobject* value);

} // namespace velmora
