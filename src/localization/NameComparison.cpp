#include "localization/NameComparison.h"

#include <algorithm>
#include <cctype>
#include <initializer_list>
#include <utility>

namespace velmora {

namespace {

    using Pairs = std::initializer_list<std::pair<uint8_t, uint8_t>>;

    NameComparison::FoldTable identityTable()
    {
        NameComparison::FoldTable table {};
        for (int i = 0; i < 256; ++i)
            table[i] = static_cast<uint8_t>(i);
        for (int c = 'a'; c <= 'z'; ++c)
            table[c] = static_cast<uint8_t>(c - 32);
        return table;
    }

    void apply(NameComparison::FoldTable& table, Pairs pairs)
    {
        for (auto [from, to] : pairs)
            table[from] = to;
    }

    // Lower-case letters 0xE0..0xFE (but the division sign 0xF7) sit 0x20 above their capitals in
    // all three code pages.
    void foldLatinBlock(NameComparison::FoldTable& table)
    {
        for (int c = 0xE0; c <= 0xFE; ++c)
            if (c != 0xF7)
                table[c] = static_cast<uint8_t>(c - 0x20);
    }

    // Windows-1250 letters with diacritics mapped to their base capital letter.
    constexpr Pairs windows1250BaseLetters = {
        { 0x8A, 'S' },
        { 0x8C, 'S' },
        { 0x8D, 'T' },
        { 0x8E, 'Z' },
        { 0x8F, 'Z' },
        { 0x9A, 'S' },
        { 0x9C, 'S' },
        { 0x9D, 'T' },
        { 0x9E, 'Z' },
        { 0x9F, 'Z' },
        { 0xA3, 'L' },
        { 0xA5, 'A' },
        { 0xAA, 'S' },
        { 0xAF, 'Z' },
        { 0xB3, 'L' },
        { 0xB9, 'A' },
        { 0xBA, 'S' },
        { 0xBC, 'L' },
        { 0xBE, 'L' },
        { 0xBF, 'Z' },
        { 0xC0, 'R' },
        { 0xC1, 'A' },
        { 0xC2, 'A' },
        { 0xC3, 'A' },
        { 0xC4, 'A' },
        { 0xC5, 'L' },
        { 0xC6, 'C' },
        { 0xC7, 'C' },
        { 0xC8, 'C' },
        { 0xC9, 'E' },
        { 0xCA, 'E' },
        { 0xCB, 'E' },
        { 0xCC, 'E' },
        { 0xCD, 'I' },
        { 0xCE, 'I' },
        { 0xCF, 'D' },
        { 0xD0, 'D' },
        { 0xD1, 'N' },
        { 0xD2, 'N' },
        { 0xD3, 'O' },
        { 0xD4, 'O' },
        { 0xD5, 'O' },
        { 0xD6, 'O' },
        { 0xD8, 'R' },
        { 0xD9, 'U' },
        { 0xDA, 'U' },
        { 0xDB, 'U' },
        { 0xDC, 'U' },
        { 0xDD, 'Y' },
        { 0xDE, 'T' },
        { 0xE0, 'R' },
        { 0xE1, 'A' },
        { 0xE2, 'A' },
        { 0xE3, 'A' },
        { 0xE4, 'A' },
        { 0xE5, 'L' },
        { 0xE6, 'C' },
        { 0xE7, 'C' },
        { 0xE8, 'C' },
        { 0xE9, 'E' },
        { 0xEA, 'E' },
        { 0xEB, 'E' },
        { 0xEC, 'E' },
        { 0xED, 'I' },
        { 0xEE, 'I' },
        { 0xEF, 'D' },
        { 0xF0, 'D' },
        { 0xF1, 'N' },
        { 0xF2, 'N' },
        { 0xF3, 'O' },
        { 0xF4, 'O' },
        { 0xF5, 'O' },
        { 0xF6, 'O' },
        { 0xF8, 'R' },
        { 0xF9, 'U' },
        { 0xFA, 'U' },
        { 0xFB, 'U' },
        { 0xFC, 'U' },
        { 0xFD, 'Y' },
        { 0xFE, 'T' },
    };

    // Windows-1252 letters with diacritics mapped to their base capital letter.
    constexpr Pairs windows1252BaseLetters = {
        { 0x8A, 'S' },
        { 0x8E, 'Z' },
        { 0x9A, 'S' },
        { 0x9E, 'Z' },
        { 0x9F, 'Y' },
        { 0xC0, 'A' },
        { 0xC1, 'A' },
        { 0xC2, 'A' },
        { 0xC3, 'A' },
        { 0xC4, 'A' },
        { 0xC5, 'A' },
        { 0xC7, 'C' },
        { 0xC8, 'E' },
        { 0xC9, 'E' },
        { 0xCA, 'E' },
        { 0xCB, 'E' },
        { 0xCC, 'I' },
        { 0xCD, 'I' },
        { 0xCE, 'I' },
        { 0xCF, 'I' },
        { 0xD1, 'N' },
        { 0xD2, 'O' },
        { 0xD3, 'O' },
        { 0xD4, 'O' },
        { 0xD5, 'O' },
        { 0xD6, 'O' },
        { 0xD8, 'O' },
        { 0xD9, 'U' },
        { 0xDA, 'U' },
        { 0xDB, 'U' },
        { 0xDC, 'U' },
        { 0xDD, 'Y' },
        { 0xE0, 'A' },
        { 0xE1, 'A' },
        { 0xE2, 'A' },
        { 0xE3, 'A' },
        { 0xE4, 'A' },
        { 0xE5, 'A' },
        { 0xE7, 'C' },
        { 0xE8, 'E' },
        { 0xE9, 'E' },
        { 0xEA, 'E' },
        { 0xEB, 'E' },
        { 0xEC, 'I' },
        { 0xED, 'I' },
        { 0xEE, 'I' },
        { 0xEF, 'I' },
        { 0xF1, 'N' },
        { 0xF2, 'O' },
        { 0xF3, 'O' },
        { 0xF4, 'O' },
        { 0xF5, 'O' },
        { 0xF6, 'O' },
        { 0xF8, 'O' },
        { 0xF9, 'U' },
        { 0xFA, 'U' },
        { 0xFB, 'U' },
        { 0xFC, 'U' },
        { 0xFD, 'Y' },
        { 0xFF, 'Y' },
    };

    // Windows-1257 letters with diacritics mapped to their base capital letter.
    constexpr Pairs windows1257BaseLetters = {
        { 0xA8, 'O' },
        { 0xAA, 'R' },
        { 0xB8, 'O' },
        { 0xBA, 'R' },
        { 0xC0, 'A' },
        { 0xC1, 'I' },
        { 0xC2, 'A' },
        { 0xC3, 'C' },
        { 0xC4, 'A' },
        { 0xC5, 'A' },
        { 0xC6, 'E' },
        { 0xC7, 'E' },
        { 0xC8, 'C' },
        { 0xC9, 'E' },
        { 0xCA, 'Z' },
        { 0xCB, 'E' },
        { 0xCC, 'G' },
        { 0xCD, 'K' },
        { 0xCE, 'I' },
        { 0xCF, 'L' },
        { 0xD0, 'S' },
        { 0xD1, 'N' },
        { 0xD2, 'N' },
        { 0xD3, 'O' },
        { 0xD4, 'O' },
        { 0xD5, 'O' },
        { 0xD6, 'O' },
        { 0xD8, 'U' },
        { 0xD9, 'L' },
        { 0xDA, 'S' },
        { 0xDB, 'U' },
        { 0xDC, 'U' },
        { 0xDD, 'Z' },
        { 0xDE, 'Z' },
        { 0xE0, 'A' },
        { 0xE1, 'I' },
        { 0xE2, 'A' },
        { 0xE3, 'C' },
        { 0xE4, 'A' },
        { 0xE5, 'A' },
        { 0xE6, 'E' },
        { 0xE7, 'E' },
        { 0xE8, 'C' },
        { 0xE9, 'E' },
        { 0xEA, 'Z' },
        { 0xEB, 'E' },
        { 0xEC, 'G' },
        { 0xED, 'K' },
        { 0xEE, 'I' },
        { 0xEF, 'L' },
        { 0xF0, 'S' },
        { 0xF1, 'N' },
        { 0xF2, 'N' },
        { 0xF3, 'O' },
        { 0xF4, 'O' },
        { 0xF5, 'O' },
        { 0xF6, 'O' },
        { 0xF8, 'U' },
        { 0xF9, 'L' },
        { 0xFA, 'S' },
        { 0xFB, 'U' },
        { 0xFC, 'U' },
        { 0xFD, 'Z' },
        { 0xFE, 'Z' },
    };

    Pairs baseLettersOf(CodePage codePage)
    {
        switch (codePage) {
        case CodePage::Windows1250:
            return windows1250BaseLetters;
        case CodePage::Windows1257:
            return windows1257BaseLetters;
        case CodePage::Windows1252:
            break;
        }
        return windows1252BaseLetters;
    }

} // namespace

CodePage codePageOfLanguage(std::string_view language)
{
    std::string name(language);
    for (char& c : name)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (name == "czech" || name == "hungarian" || name == "polish" || name == "slovak")
        return CodePage::Windows1250;
    if (name == "lithuanian")
        return CodePage::Windows1257;
    return CodePage::Windows1252;
}

NameComparison NameComparison::caseInsensitive(CodePage codePage)
{
    auto table = identityTable();
    foldLatinBlock(table);
    switch (codePage) {
    case CodePage::Windows1252:
        apply(table, { { 0x9A, 0x8A }, { 0x9C, 0x8C }, { 0x9E, 0x8E }, { 0xFF, 0x9F } });
        break;
    case CodePage::Windows1250:
        apply(table,
            { { 0x9A, 0x8A }, { 0x9C, 0x8C }, { 0x9D, 0x8D }, { 0x9E, 0x8E }, { 0x9F, 0x8F },
                { 0xB3, 0xA3 }, { 0xB9, 0xA5 }, { 0xBA, 0xAA }, { 0xBE, 0xBC }, { 0xBF, 0xAF } });
        break;
    case CodePage::Windows1257:
        apply(table, { { 0xB8, 0xA8 }, { 0xBA, 0xAA }, { 0xBF, 0xAF } });
        break;
    }
    return NameComparison(table);
}

NameComparison NameComparison::accentInsensitive(CodePage codePage)
{
    auto table = identityTable();
    apply(table, baseLettersOf(codePage));
    return NameComparison(table);
}

NameComparison NameComparison::ofLanguage(std::string_view language, bool ansi)
{
    const CodePage codePage = codePageOfLanguage(language);
    return ansi ? accentInsensitive(codePage) : caseInsensitive(codePage);
}

std::string NameComparison::folded(std::string_view name) const
{
    std::string result(name);
    for (char& c : result)
        c = static_cast<char>(m_fold[static_cast<uint8_t>(c)]);
    return result;
}

int NameComparison::compare(std::string_view a, std::string_view b) const
{
    const size_t common = std::min(a.size(), b.size());
    for (size_t i = 0; i < common; ++i) {
        const int x = m_fold[static_cast<uint8_t>(a[i])];
        const int y = m_fold[static_cast<uint8_t>(b[i])];
        if (x != y)
            return x - y;
    }
    return a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);
}

std::string withoutAccents(std::string_view text, CodePage codePage)
{
    const auto base = NameComparison::accentInsensitive(codePage);
    const auto capitals = NameComparison::caseInsensitive(codePage);
    std::string result(text);
    for (char& c : result) {
        const uint8_t byte = static_cast<uint8_t>(c);
        if (byte < 0x80)
            continue;
        const uint8_t letter = base.fold(byte);
        if (letter == byte)
            continue;
        // A small letter is one that the code page's upper-casing changes; it stays small.
        const bool isSmall = capitals.fold(byte) != byte;
        c = static_cast<char>(isSmall ? letter + 32 : letter);
    }
    return result;
}

namespace {
    NameComparison& currentComparison()
    {
        static NameComparison comparison = NameComparison::caseInsensitive(CodePage::Windows1252);
        return comparison;
    }
}

const NameComparison& currentNameComparison() { return currentComparison(); }

void setCurrentNameComparison(const NameComparison& comparison)
{
    currentComparison() = comparison;
}

} // namespace velmora
