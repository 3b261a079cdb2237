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
#pragma once

#include "localization/DTable.h"

namespace velmora {

class tcodedstream;

class TDTables {
public:
    // Discards all sections and parses everything from the stream's position to its end; a
    // failing stream leaves the dictionary empty.
    void parse(tcodedstream& stream);
    // Discards all sections and parses the text.
    void parseText(std::string_view text);

    std::span<const TDTable> sections() const { return m_sections; }
    // The section the lookups search under this name (the later of two with the same name).
    const TDTable* findSection(std::string_view name) const;
    std::optional<std::string_view> find(std::string_view section, std::string_view key) const;

private:
    void parseLine(std::string_view line);
    void openSection(std::string_view name);
    void closeSection();

    std::vector<TDTable> m_sections;
    std::optional<TDTable> m_filling;
};

} // namespace velmora
