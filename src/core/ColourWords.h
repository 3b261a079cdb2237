// Colour words: how the current language names the colour keys of core/ColourTables.h.
//
// Each key of the dictionary section "colors" holds two blank-separated word lists split by "|":
// the words that are recognised and written ("grey gray"), then the same words in a second
// grammatical form, position by position, for languages whose colour words change with the
// sentence. Read under the interpreter lock, like every dictionary lookup.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

enum class WordForm { First, Second };

// The key's words in the given form, its main word first; none when the dictionary lacks them
// (which is reported as a missing translation).
std::vector<std::string> colourWords(std::string_view key, WordForm form);
// The key's main word in the given form; "@key@" when there is none, so the gap shows.
std::string mainColourWord(std::string_view key, WordForm form);
// Where the word stands among the key's first-form words, compared as names are; none when it is
// not one of them.
std::optional<size_t> firstFormPosition(std::string_view key, std::string_view word);

} // namespace velmora
