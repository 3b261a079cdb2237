// What a language dictionary must hold before it is used: the vocabulary, the run-time messages
// and their captions, and the words the engine reads when a language becomes current (the truth
// words, the words around a procedure definition, the catch-all tag, the default-parameter word,
// the setter template and the main class name).
//
// A dictionary file that lacks any of them, an unfinished translation for example, is passed over
// for the built-in dictionary of its language; the tests check that the built-in ones hold all.
#pragma once

#include "localization/DTables.h"

#include <optional>
#include <string>

namespace velmora {

// The first requirement the dictionary fails, as "[section]" for a section that must hold
// entries or as "section-key" for an entry that must have a value; nothing when it meets all.
std::optional<std::string> missingRequirement(const TDTables& dictionary);

} // namespace velmora
