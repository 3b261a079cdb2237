// Instructions written out as text, so that reading them back puts back what they describe:
// "pps" writes "pprop" lines, "po" writes procedures, "make" and "haveown" lines and the like.
#pragma once

#include "values/LogoObject.h"

#include <initializer_list>
#include <string>
#include <string_view>

namespace velmora {

// The value as an input of an instruction: a word that is not a number behind its quote,
// anything else in its source form.
std::string readableInput(tlogoobject* value);
// A name behind its quote.
std::string quoted(std::string_view name);
// The localized name of a primitive, its inputs as given, and a line end (CR LF).
std::string instructionLine(std::string_view primitive, std::initializer_list<std::string> inputs);

} // namespace velmora
