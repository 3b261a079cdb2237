// What an error records on its way out, and how its message and caption are built.
#include "interpreter/ErrorText.h"
#include "startup/ConsoleSession.h"
#include "values/ValueFactory.h"
#include "values/ValueFixture.h"

namespace velmora {
namespace {

    class RecordingCommander : public Icommander {
    public:
        void reportError(const eLogoException& error) override { errors.push_back(error); }
        void printText(std::string_view) override { }
        std::vector<eLogoException> errors;
    };

    class ErrorContext : public ValueFixture {
    protected:
        const eLogoException& run(std::initializer_list<std::string_view> lines)
        {
            ConsoleSession session(m_commander);
            for (std::string_view line : lines)
                session.feedLine(line);
            EXPECT_EQ(m_commander.errors.size(), 1u);
            return m_commander.errors.back();
        }

    private:
        RecordingCommander m_commander;
    };

    TEST_F(ErrorContext, NamesTheInnermostProcedureItsLineAndTheFailingPrimitive)
    {
        const eLogoException& error = run({ "to outer", "print 1", "inner", "end", "to inner",
            "print \"fine", "print sum.of 1", "end", "outer" });
        EXPECT_EQ(error.code, erDoNotKnowHowTo);
        EXPECT_EQ(error.procName, "inner");
        EXPECT_EQ(error.line, 2);
        EXPECT_EQ(error.lineText, "print sum.of 1");
        EXPECT_EQ(error.primName, "sum.of");
        EXPECT_EQ(error.placeKind, ipProc);
        EXPECT_NE(errorCaption(error).find("inner"), std::string::npos) << errorCaption(error);
    }

    TEST_F(ErrorContext, TracesTheLineIntoNestedLists)
    {
        const eLogoException& error = run({ "to looping :n", "repeat 2 [", "print :n",
            "print :missing", "]", "end", "looping 3" });
        EXPECT_EQ(error.code, erNoVal);
        EXPECT_EQ(error.line, 3);
    }

    TEST_F(ErrorContext, TopLevelErrorsHaveNoPlace)
    {
        const eLogoException& error = run({ "print :undefined" });
        EXPECT_EQ(error.code, erNoVal);
        EXPECT_TRUE(error.procName.empty());
        EXPECT_EQ(errorMessage(error).find("undefined"), 0u) << errorMessage(error);
    }

    TEST_F(ErrorContext, TemplatesExpandKnownPlaceholdersOnly)
    {
        eLogoException error(erMinMax, 1, 6, makeWord("seven"));
        error.recordFailingName(std::string("dice"));
        const struct {
            const char* templateText;
            const char* text;
        } cases[] = {
            { "#p wants #a to #b, not #h", "dice wants 1 to 6, not seven" },
            { "#x stays", "#x stays" },
            { "ends in #", "ends in #" },
            { "#H", "seven" },
        };
        for (const auto& c : cases)
            EXPECT_EQ(expandErrorTemplate(error, c.templateText), c.text);
        eLogoException nothing(erUnexpected);
        EXPECT_EQ(expandErrorTemplate(nothing, "#h"), "<nil>");
    }

} // namespace
} // namespace velmora
