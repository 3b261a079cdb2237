// Translating Logo text word by word between two small dictionaries: which words change, which
// stay, and the letter case and layout around them.
#include "startup/ScriptTranslation.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

    constexpr std::string_view from = "[dict]\n"
                                      "print=print pr\n"
                                      "forward=forward fd\n"
                                      "sentence=sentence se\n"
                                      "name_command=name\n"
                                      "name=name\n"
                                      "keyMenu=keyMenu\n"
                                      "myname=myname\n"
                                      "[other]\n"
                                      "true=true\nfalse=false\nto=to\nend=end\nerror=error\n"
                                      "[param]\nown=own\n"
                                      "[name]\ninitList=initList\n"
                                      "[system]\nsetfix=set*\n";

    constexpr std::string_view to = "[dict]\n"
                                    "print=tiskni ti\n"
                                    "forward=vpred\n"
                                    "sentence=veta\n"
                                    "name_command=jmeno\n"
                                    "name=jmeno\n"
                                    "keyMenu=klavesyMenu\n"
                                    "myname=mojejmeno\n"
                                    "[other]\n"
                                    "true=ano\nfalse=ne\nto=prikaz\nend=konec\nerror=chyba\n"
                                    "[param]\nown=vlastni\n"
                                    "[name]\ninitList=zacatek\n"
                                    "[system]\nsetfix=zmen*\n";

    class ScriptTranslation : public testing::Test {
    protected:
        ScriptTranslation()
        {
            m_from.parseText(from);
            m_to.parseText(to);
        }

        std::string there(std::string_view text) const
        {
            return translateScript(
                text, LanguageVocabulary(m_from, "english"), LanguageVocabulary(m_to, "english"));
        }

        std::string back(std::string_view text) const
        {
            return translateScript(
                text, LanguageVocabulary(m_to, "english"), LanguageVocabulary(m_from, "english"));
        }

    private:
        TDTables m_from;
        TDTables m_to;
    };

    TEST_F(ScriptTranslation, CarriesTheSystemsWordsAndKeepsEverythingElse)
    {
        const struct {
            std::string_view text;
            std::string_view translated;
        } cases[] = {
            // A short form becomes the short form in its place.
            { "pr forward 10", "ti vpred 10" },
            // Capitals, small letters and a capital first letter are kept.
            { "PRINT Print print", "TISKNI Tiskni tiskni" },
            { "setkeymenu setkeyMenu keymenu", "zmenklavesymenu zmenklavesyMenu klavesymenu" },
            // Quoted words, variables and comments are the user's; "true and "error are not.
            { "print \"print :print ; print", "tiskni \"print :print ; print" },
            { "print \"true \"error \"False", "tiskni \"ano \"chyba \"Ne" },
            // "to" and "end" open and close definitions, or name one; elsewhere they are data.
            { "to end\nprint [to end]\nend", "prikaz konec\ntiskni [to end]\nkonec" },
            // Before an apostrophe: a parameter word, or an object whose primitive follows.
            { "own'score rex'myname myname'print", "vlastni'score rex'mojejmeno mojejmeno'tiskni" },
            // What the system reads keeps its meaning, after a colon too.
            { "print :initList", "tiskni :zacatek" },
            // Bars, backslashes, numbers and the layout stay byte for byte.
            { "print |print| pr\\int 1e5\r\n\tprint", "tiskni |print| pr\\int 1e5\r\n\ttiskni" },
            // A shared word goes to the word its names share.
            { "name 5 \"x [name rex]", "jmeno 5 \"x [jmeno rex]" },
        };
        for (const auto& c : cases) {
            EXPECT_EQ(there(c.text), c.translated) << c.text;
            EXPECT_EQ(back(c.translated), c.text) << c.translated;
        }
    }

    TEST_F(ScriptTranslation, AShortFormWithoutItsPlaceBecomesTheMainWord)
    {
        EXPECT_EQ(there("fd 10 se"), "vpred 10 veta");
        EXPECT_EQ(back("vpred 10 veta"), "forward 10 sentence");
    }

} // namespace
} // namespace velmora
