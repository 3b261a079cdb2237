// Dictionary text: the small text rules shared by the dictionary parser and its lookups.
//
// Dictionary text is 8-bit in the language's code page. Only the letters A to Z change case
// here: an accented capital is a different byte from its small letter and stays so, because
// the dictionaries write their keys in plain ASCII and accents belong to the language's name
// comparison, not to the lookup. A blank is a space or any control character.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

enum class LetterCase { Exact, Either };

// Inline, like the trimming, because the parser runs them on every line of a dictionary.
inline bool isBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }
inline char asciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; }

// The parser knows which end of a part can hold blanks and trims only that one.
inline std::string_view trimmedFront(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    return text;
}

inline std::string_view trimmedBack(std::string_view text)
{
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

inline std::string_view trimmed(std::string_view text) { return trimmedBack(trimmedFront(text)); }

std::string asciiLowered(std::string_view text);
std::string asciiUppered(std::string_view text);
void lowerAscii(std::span<char> text);

// Negative, zero or positive as lowered (already lower-case) sorts before, equals or sorts after
// text lower-cased, bytes compared unsigned: the order of comparing with asciiLowered(text),
// without the copy. Inline because every dictionary lookup runs it a dozen times.
inline int compareLowered(std::string_view lowered, std::string_view text)
{
    const size_t common = lowered.size() < text.size() ? lowered.size() : text.size();
    for (size_t i = 0; i < common; ++i) {
        const unsigned char wanted = static_cast<unsigned char>(text[i]);
        const int order = static_cast<unsigned char>(lowered[i])
            - (wanted >= 'A' && wanted <= 'Z' ? wanted + ('a' - 'A') : wanted);
        if (order != 0)
            return order;
    }
    return lowered.size() < text.size() ? -1 : (lowered.size() > text.size() ? 1 : 0);
}

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
