// The classes of the 256 byte values that the reader and the source-form writer ask about, kept in
// one table instead of switches scattered over both.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace velmora {

enum CharacterClass : uint8_t {
    classDigit = 1 << 0,
    // A token of one character: ( ) * + - / ; < = >
    classOperator = 1 << 1,
    // Ends a word: an operator, a space, a carriage return, a quote, a bracket, the end (0).
    classDelimiter = 1 << 2,
};

namespace characterClassTable {
    constexpr std::array<uint8_t, 256> make()
    {
        std::array<uint8_t, 256> table {};
        for (char c = '0'; c <= '9'; ++c)
            table[static_cast<uint8_t>(c)] |= classDigit;
        for (char c : std::string_view("()*+-/;<=>"))
            table[static_cast<uint8_t>(c)] |= classOperator | classDelimiter;
        for (char c : std::string_view("\r \"[]"))
            table[static_cast<uint8_t>(c)] |= classDelimiter;
        table[0] |= classDelimiter;
        return table;
    }
    inline constexpr std::array<uint8_t, 256> classes = make();
} // namespace characterClassTable

inline bool hasClass(char c, CharacterClass characterClass)
{
    return (characterClassTable::classes[static_cast<uint8_t>(c)] & characterClass) != 0;
}

inline bool isDigit(char c) { return hasClass(c, classDigit); }
inline bool isOperatorCharacter(char c) { return hasClass(c, classOperator); }
inline bool isDelimiter(char c) { return hasClass(c, classDelimiter); }

} // namespace velmora
