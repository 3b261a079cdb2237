// RandomInputs: the values that the word "any" stands for where a turtle primitive takes a
// number.
//
// Each quantity draws a whole number from an inclusive range that the project may set in a main
// object variable: a number N gives [default low, |N|], a list [p q] gives [|p|, |q|] in either
// order; without the variable, or with another value in it, the default range holds.
//
// Called under the interpreter lock, which guards the random source and the variables.
#pragma once

#include "values/LogoObject.h"

#include <cstdint>

namespace velmora {

enum class AnyQuantity {
    Forward, // "forward", "back": "anyforward", 1 .. 100
    Left, // "left": "anyleft", 1 .. 90
    Right, // "right": "anyright", 1 .. 90
    Angle, // headings: "anyangle", 0 .. 359
    PenWidth, // pen width: "anypenwidth", 1 .. 20
};

int32_t randomAnyValue(AnyQuantity quantity);

// The input as a number, or a random one when it is "any"; error 12 for other values.
LogoReal numberOrRandom(tlogoobject* input, AnyQuantity quantity);

} // namespace velmora
