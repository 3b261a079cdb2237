// Dictionary text: the small text rules shared by the dictionary parser and its lookups.
//
// Dictionary text is 8-bit in the language's code page. Only the letters A to Z change case
// here: an accented capital is a different byte from its small letter and stays so, because
// the dictionaries write their keys in plain ASCII and accents belong to the language's name
// comparison, not to the lookup. A blank is a space or any control character.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace velmora {

enum class LetterCase { Exact, Either };

bool isBlank(char c);
std::string_view trimmed(std::string_view text);
std::string asciiLowered(std::string_view text);
std::string asciiUppered(std::string_view text);

// The text up to its first space: the main word of a synonym list.
std::string_view firstSynonym(std::string_view text);

// The pieces between separators, each after the first trimmed. What follows a separator is
// trimmed before it is searched, so a run of blanks splitting at blanks gives no empty pieces;
// an empty text gives no pieces.
std::vector<std::string> split(std::string_view text, char separator);

// The text with its first occurrence of pattern (letters compared as asked) replaced.
std::string replaceFirst(std::string_view text, std::string_view pattern,
    std::string_view replacement, LetterCase letterCase = LetterCase::Exact);
// The text with every occurrence of pattern (letters compared as asked) replaced.
std::string replaceAll(std::string_view text, std::string_view pattern,
    std::string_view replacement, LetterCase letterCase = LetterCase::Exact);

} // namespace velmora
