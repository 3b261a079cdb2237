// The word and number operations under each strictness level, reached through the main object's
// dispatchers as Logo code reaches them. Each case evaluates an expression and expects the shown
// form of its value, or an error number.
#include "values/ValueFixture.h"

#include "interpreter/Evaluator.h"
#include "values/Reader.h"
#include "values/Strictness.h"
#include "values/ValueFactory.h"

namespace velmora {
namespace {

    struct StrictCase {
        int strict;
        std::string_view expression;
        std::string_view expected; // the shown value, or "error N"
    };

    class WordOperations : public ValueFixture {
    protected:
        ~WordOperations() override { setStrictLevel(0); }

        std::string evaluate(std::string_view expression)
        {
            try {
                const ValueRef result
                    = evaluator::evaluateValue(state(), ValueRef(readList(expression)).get());
                return result->printForm(true);
            } catch (const eLogoException& error) {
                return "error " + std::to_string(error.code);
            }
        }
    };

    // clang-format off
    const StrictCase strictCases[] = {
        // "item" of a number: forgiving at level 0, bounds and emptiness checked above it.
        { 0, "item 9 \"hello", "" },
        { 1, "item 9 \"hello", "error 26" },
        { 1, "item 0 \"hello", "error 26" },
        { 1, "item 5 \"hello", "o" },
        { 0, "item 1 \"||", "" },
        { 1, "item 1 \"||", "error 5" },
        // Ranges clip at level 0; inside a list of specs a position outside the word is error 9
        // above it.
        { 0, "item [4 9] \"hello", "lo" },
        { 1, "item [4 9] \"hello", "lo" },
        { 0, "item [[4 9] 1] \"hello", "loh" },
        { 1, "item [[4 9] 1] \"hello", "error 9" },
        { 0, "item [1 7 2] \"hello", "he" },
        { 1, "item [1 7 2] \"hello", "error 9" },
        { 0, "item [1 a] \"hello", "error 6" },
        { 0, "item [[1 2 3]] \"hello", "error 13" },
        { 0, "item [] \"hello", "" },
        // The empty word: "first" and its family fail only at level 2, "pick" and "ascii" above 0.
        { 0, "first \"||", "" },
        { 1, "butlast \"||", "" },
        { 2, "first \"||", "error 5" },
        { 2, "butfirst \"||", "error 5" },
        { 2, "last \"||", "error 5" },
        { 2, "butlast \"||", "error 5" },
        { 0, "pick \"||", "" },
        { 1, "pick \"||", "error 5" },
        { 0, "ascii \"||", "0" },
        { 1, "ascii \"||", "error 5" },
        { 2, "first \"hello", "h" },
    };
    // clang-format on

    TEST_F(WordOperations, FollowTheStrictnessLevel)
    {
        for (const StrictCase& row : strictCases) {
            setStrictLevel(row.strict);
            EXPECT_EQ(evaluate(row.expression), row.expected)
                << row.expression << " strict " << row.strict;
        }
    }

    // Arithmetic on small integers takes its results from the pool, round after round, so it
    // causes no heap traffic.
    TEST_F(WordOperations, SmallIntegerArithmeticUsesThePool)
    {
        const ValueRef expression(readList("1 + 2 * 3 - 4"));
        for (int round = 0; round < 1000; ++round) {
            const ValueRef result = evaluator::evaluateValue(state(), expression.get());
            ASSERT_EQ(result->printForm(true), "3");
            ASSERT_TRUE(result->pooled) << "round " << round;
        }
    }

} // namespace
} // namespace velmora
