// Colours as Logo writes them: a basic-palette number (0 to 15), a colour word with an optional
// shade (1 darkest to 12 lightest, "red1", "grey12"), or a list [red green blue]; and the value a
// colour reporter gives back, chosen by the main object's variable "colourstyle" (0 when missing:
// palette numbers where they fit, else [r g b]; 1: colour words where one fits; 2: always
// [r g b]). Every colour input and output of the window layers goes through here, so a colour is
// read and shown the same way by pens, fills, pages and controls.
//
// The language's "any" word is a random colour drawn as the main object's variable "anycolour"
// says: missing, a random shade of a random colour key; a list, one of its elements (an "any"
// among them is a random shade, never a further draw); a number N, a random palette colour below
// N (0 or 15 when N is 1 or less, a random shade when N is over 16).
//
// Everything here runs under the interpreter lock: it reads the dictionary, the main object's
// variables and the random source.
#pragma once

#include "core/ColourTables.h"
#include "core/ColourWords.h"

#include <optional>
#include <string>
#include <string_view>

namespace velmora {

class tlogoobject;

// A colour input: a number is a palette entry (error 26 outside 0 .. 15), a word goes through
// colourFromWord, a list gives its first three elements, each 0 .. 255. Any failure inside a list,
// and any other kind of value, is error 16.
Colour asColour(tlogoobject* value);
// A colour word: error 12 when what follows its first digit is no integer, 26 when that shade is
// outside 1 .. 12, 121 when the letters name no colour.
Colour colourFromWord(std::string_view word);
// Colour text as settings store it, "[r g b]" with single spaces; black when it is malformed.
// Text that does not open with a bracket is a colour word, with its errors.
Colour colourFromText(std::string_view text);
// Palette numbers 0 .. 15 give their entry, higher ones black; negative numbers are system
// colours of the window layers and pass unchanged.
Colour paletteColour(int32_t number);

// The value a colour reporter outputs, by "colourstyle". System colours must already be resolved
// to RGB by the window layer.
tlogoobject* colourValue(Colour colour);
// [r g b], whatever the style.
tlogoobject* rgbList(Colour colour);
// The main words of white, black and the 16 shaded keys, in table order.
tlogoobject* colourNameList();

// The colour's word with its shade ("red1"; "red" for shade 6), white, black and light grey before
// the shaded keys; none when no key has this colour.
std::optional<std::string> colourName(Colour colour, WordForm form);
// A first-form colour word with any shade digits turned into the second form ("red12" to its
// second-form word followed by 12); a word that names no colour comes back unchanged.
std::string inSecondForm(std::string_view word);

} // namespace velmora
