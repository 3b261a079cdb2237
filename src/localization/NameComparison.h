// Name comparison: how two spellings of a name are judged equal and ordered.
//
// Every name the interpreter meets is compared through one folding table of 256 bytes: both
// names are mapped byte by byte through it and the results compared as unsigned bytes. The
// ordinary table upper-cases the letters of the language's 8-bit code page (so "Forward",
// "FORWARD" and "forward" are one name); a dictionary that sets "ansi" in its "system"
// section selects the table that also folds every accented letter of its code page to its base
// capital ("Čas", "cas" and "CAS" are one name). The tables are immutable once chosen; the
// current comparison is swapped only when a language is loaded, under the interpreter lock.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace velmora {

enum class CodePage { Windows1250, Windows1252, Windows1257 };

// Windows-1250 for Czech, Hungarian, Polish and Slovak; Windows-1257 for Lithuanian;
// Windows-1252 for the others.
CodePage codePageOfLanguage(std::string_view language);

class NameComparison {
public:
    using FoldTable = std::array<uint8_t, 256>;

    // Upper-cases the letters of the given code page.
    static NameComparison caseInsensitive(CodePage codePage);
    // Folds a-z and every accented letter of the code page to its base capital letter. Each
    // code page places its letters differently: read through another's table, Portuguese "à"
    // would become "R".
    static NameComparison accentInsensitive(CodePage codePage);

    // The comparison of a language: without accents when its dictionary sets "ansi".
    static NameComparison ofLanguage(std::string_view language, bool ansi);

    uint8_t fold(uint8_t byte) const { return m_fold[byte]; }
    std::string folded(std::string_view name) const;
    // Negative, zero or positive as a sorts before, equals or sorts after b.
    int compare(std::string_view a, std::string_view b) const;
    bool equal(std::string_view a, std::string_view b) const { return compare(a, b) == 0; }
    // FNV-1a over the folded bytes, so that spellings the comparison calls equal hash alike.
    uint32_t hash(std::string_view name) const
    {
        uint32_t hash = 2166136261u;
        for (char c : name)
            hash = (hash ^ fold(static_cast<uint8_t>(c))) * 16777619u;
        return hash;
    }

private:
    explicit NameComparison(const FoldTable& fold)
        : m_fold(fold)
    {
    }
    FoldTable m_fold;
};

// Removes the diacritics of the code page's letters while keeping their case ("š" to "s", "Š" to
// "S"); applied to words the program writes when the user option "ansi" is on.
std::string withoutAccents(std::string_view text, CodePage codePage);

// The comparison in force for the current language.
const NameComparison& currentNameComparison();
void setCurrentNameComparison(const NameComparison& comparison);

} // namespace velmora
