#include "localization/DTables.h"
#include "localization/MemoryStream.h"
#include "localization/StoredDictionary.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

    using namespace std::string_literals;

    std::optional<std::string> lookUp(
        std::string_view text, std::string_view section, std::string_view key)
    {
        TDTables tables;
        tables.parseText(text);
        const auto value = tables.find(section, key);
        return value ? std::optional<std::string>(*value) : std::nullopt;
    }

    std::vector<std::string> sectionNames(const TDTables& tables)
    {
        std::vector<std::string> names;
        for (const auto& section : tables.sections())
            names.emplace_back(section.name());
        return names;
    }

    std::vector<std::string> pairsOf(const TDTables& tables, std::string_view section)
    {
        std::vector<std::string> pairs;
        for (const auto& entry : tables.findSection(section)->entries())
            pairs.push_back(std::string(entry.key) + "=" + std::string(entry.value));
        return pairs;
    }

    struct LookupCase {
        const char* name;
        std::string text;
        std::string section;
        std::string key;
        std::optional<std::string> expected;
    };

    TEST(DTables, ParsesLines)
    {
        const LookupCase cases[] = {
            { "only the first equals sign splits", "[s]\n  key = a = b  \n", "s", "key", "a = b" },
            { "key lower-cased, value kept", "[s]\nKey=Value", "s", "key", "Value" },
            { "blanks and tabs trimmed", "[s]\n\t k \t=\t v \t\n", "s", "k", "v" },
            { "empty value is found", "[s]\nk=\n", "s", "k", "" },
            { "pairs before any section ignored", "k=v\n[s]\n", "s", "k", std::nullopt },
            { "section name trimmed and lower-cased", "[  Other  ]\nk=v", "other", "k", "v" },
            { "unclosed bracket is no section", "[s]\n[x\nk=v", "s", "k", "v" },
            { "unclosed bracket is no pair either", "[s]\n[x\n", "s", "[x", std::nullopt },
            { "comment", "[s]\n  ; k=v\n", "s", "; k", std::nullopt },
            { "line without equals sign", "[s]\nkey\n", "s", "key", std::nullopt },
            { "empty key ignored", "[s]\n = v\n", "s", "", std::nullopt },
            { "lines end at CR", "[s]\rk=v\rj=w", "s", "j", "w" },
            { "lines end at CR LF", "[s]\r\nk=v\r\n\r\nj=w\r\n", "s", "j", "w" },
            { "lines end at LF CR", "[s]\n\rk=v\n\rj=w", "s", "j", "w" },
            { "line ends mixed", "[s]\rk=v\r\nj=w\nl=x\rm=y", "s", "l", "x" },
            { "line ends mixed, CR after LF", "[s]\rk=v\r\nj=w\nl=x\rm=y", "s", "m", "y" },
            { "zero byte ends the text", "[s]\nk=v\0j=w"s, "s", "j", std::nullopt },
            { "text before a zero byte counts", "[s]\nk=v\0j=w"s, "s", "k", "v" },
        };
        for (const auto& test : cases)
            EXPECT_EQ(lookUp(test.text, test.section, test.key), test.expected) << test.name;
    }

    TEST(DTables, ParsesLinesLongerThanTheBlocksTheyAreScannedIn)
    {
        // Lines are scanned sixteen bytes at a time, lowering the key on the way, while sixteen
        // bytes are left; the rest of the text a byte at a time. The comment line of blanks at the
        // end keeps every line before it in blocks.
        const std::string tail = "\n;" + std::string(20, ' ') + "\n";
        const LookupCase cases[] = {
            { "key lowered across blocks", "[s]\nAbcdefghijklmnopQRSTUVWXYZ = v" + tail, "s",
                "abcdefghijklmnopqrstuvwxyz", "v" },
            { "equals sign in a later block", "[s]\n" + std::string(20, 'K') + "=v" + tail, "s",
                std::string(20, 'k'), "v" },
            { "value in the key's block keeps its case", "[s]\nK=ABCDEFGHIJKLMNOP" + tail, "s", "k",
                "ABCDEFGHIJKLMNOP" },
            { "only the first equals sign splits", "[s]\nK = A=B=C" + tail, "s", "k", "A=B=C" },
            { "lowering stops at a line without equals sign", "[s]\nab\nK=VALUE" + tail, "s", "k",
                "VALUE" },
            { "an equals sign on the next line is not this line's", "[s]\nKey\n=Value" + tail, "s",
                "key", std::nullopt },
            { "CR LF split between blocks", "[s]\r\nk=" + std::string(13, 'V') + "\r\nj=w" + tail,
                "s", "j", "w" },
            { "the line before the CR LF", "[s]\r\nk=" + std::string(13, 'V') + "\r\nj=w" + tail,
                "s", "k", std::string(13, 'V') },
            { "a section line in a block", "[  Long Section Name  ]\nk=v" + tail,
                "long section name", "k", "v" },
            { "accented capitals are not letters", "[s]\n\xC1" + std::string(15, 'B') + "=v" + tail,
                "s", "\xC1" + std::string(15, 'b'), "v" },
        };
        for (const auto& test : cases)
            EXPECT_EQ(lookUp(test.text, test.section, test.key), test.expected) << test.name;
    }

    TEST(DTables, LookupFoldsOnlyAToZ)
    {
        // Byte 0xC1 is a capital A with acute, 0xE1 its small letter.
        const std::string text = "[Dict]\nforward=fd\n\xC1rea=accented\n";
        const LookupCase cases[] = {
            { "upper-case key and section", text, "DICT", "FORWARD", "fd" },
            { "accented capital kept, the rest folded", text, "dict", "\xC1REA", "accented" },
            { "accented small letter is another key", text, "dict", "\xE1rea", std::nullopt },
        };
        for (const auto& test : cases)
            EXPECT_EQ(lookUp(test.text, test.section, test.key), test.expected) << test.name;
    }

    TEST(DTables, KeepsSectionsAndKeysSortedAndStable)
    {
        TDTables tables;
        tables.parseText("[b]\nz=1\nk=1\nk=2\nk=3\na=1\n[a]\n[c]\n");
        EXPECT_EQ(sectionNames(tables), (std::vector<std::string> { "a", "b", "c" }));
        EXPECT_EQ(
            pairsOf(tables, "b"), (std::vector<std::string> { "a=1", "k=1", "k=2", "k=3", "z=1" }));
    }

    TEST(DTables, OfEqualKeysTheHalvingMeetsOneFirst)
    {
        // Two equal keys: the halving stops at the first; three: at the middle one. Keys that
        // differ only in letter case are equal once lower-cased, in a sorted section as in an
        // unsorted one.
        EXPECT_EQ(lookUp("[s]\nk=1\nk=2\n", "s", "k"), "1");
        EXPECT_EQ(lookUp("[s]\nk=1\nk=2\nk=3\n", "s", "k"), "2");
        EXPECT_EQ(lookUp("[s]\nK=1\nk=2\nK=3\n", "s", "k"), "2");
        EXPECT_EQ(lookUp("[s]\nz=0\nK=1\nk=2\nK=3\n", "s", "K"), "2");
    }

    TEST(DTables, SectionsWrittenInOrderKeepTheirPairs)
    {
        TDTables tables;
        tables.parseText("[in order]\na=1\nb=1\nB=2\nc=1\n[reversed]\nc=1\nb=1\na=1\n");
        EXPECT_EQ(
            pairsOf(tables, "in order"), (std::vector<std::string> { "a=1", "b=1", "b=2", "c=1" }));
        EXPECT_EQ(pairsOf(tables, "reversed"), (std::vector<std::string> { "a=1", "b=1", "c=1" }));
        EXPECT_EQ(tables.find("IN ORDER", "C"), "1");
    }

    TEST(DTables, LaterSectionOfTheSameNameHidesTheEarlier)
    {
        const std::string text = "[s]\na=1\n[t]\nx=1\n[S]\nb=2\n";
        EXPECT_EQ(lookUp(text, "s", "b"), "2");
        EXPECT_EQ(lookUp(text, "s", "a"), std::nullopt);
        EXPECT_EQ(lookUp(text, "t", "x"), "1");
    }

    TEST(DTables, ParsingAgainDiscardsTheOldSections)
    {
        TDTables tables;
        tables.parseText("[old]\nk=v\n");
        tables.parseText("[new]\nk=v\n");
        EXPECT_EQ(sectionNames(tables), std::vector<std::string> { "new" });
    }

    TEST(DTables, ParsesAStoredDictionary)
    {
        MemoryStream memory(storedDictionary("[dict]\nforward = forward fd\n", 77));
        TDTables tables;
        tables.parse(readStoredDictionary(memory).value());
        EXPECT_EQ(tables.find("dict", "forward"), "forward fd");
    }

} // namespace
} // namespace velmora
