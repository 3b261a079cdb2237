// One dictionary: named sections of key/value pairs, parsed from a line-oriented text.
//
// The text is a sequence of lines ending at CR, LF or CR LF; a zero byte ends the text. After
// trimming blanks, an empty line or one starting with ";" is a comment; "[name]" opens a
// section (the name trimmed and lower-cased); any other line holding "=" is a pair, split at
// its first "=", with the key trimmed and lower-cased and the value trimmed. Pairs before the
// first section, lines without "=" and pairs with an empty key are ignored. Sections are kept
// sorted by name in the same stable way as the pairs inside them, and when two sections share
// a name only the later one in file order is ever searched. Lookups fold A to Z only and
// compare bytes. A dictionary is read-only once parsed; it is shared under the interpreter lock.
//
// The dictionary keeps one copy of its text, with names and keys lower-cased in place, and one
// array of pairs; sections are views into them and pairs the places of keys and values in the
// text, so parsing allocates nothing per pair and a dictionary can be neither copied nor moved.
// Those places reach 4 GB into a text: a longer one is cut there.
#pragma once

#include "localization/ByteStream.h"
#include "localization/DTable.h"

#include <vector>

namespace velmora {

class TDTables {
public:
    TDTables() = default;
    TDTables(const TDTables&) = delete;
    TDTables& operator=(const TDTables&) = delete;

    // Discards all sections and parses the text, which the dictionary keeps.
    void parse(ByteBuffer text);
    // Discards all sections and parses the text.
    void parseText(std::string_view text);

    std::span<const TDTable> sections() const { return m_sections; }
    // The section the lookups search under this name (the later of two with the same name).
    const TDTable* findSection(std::string_view name) const;
    std::optional<std::string_view> find(std::string_view section, std::string_view key) const;

private:
    // The section being filled: its name and where its pairs start.
    struct Filling {
        std::string_view name;
        size_t firstPair;
    };

    void parseOwnText();
    // The line is trimmed and holds more than blanks; equals is the place of its first "=", npos
    // when it has none, and the letters before it are lowered already.
    void parseLine(std::string_view line, size_t equals);
    void openSection(std::string_view name);
    void closeSection();
    // Where a part of the text starts in it.
    uint32_t placeOf(std::string_view part) const;
    // The place of a part of the text, to lower-case it there.
    std::span<char> writable(std::string_view part);

    ByteBuffer m_text;
    std::vector<DictionaryPair> m_pairs;
    std::vector<TDTable> m_sections;
    std::optional<Filling> m_filling;
};

} // namespace velmora
