// The list operations of the list class table, called as a dispatcher calls them: the list as
// self, the other inputs on the value stack. Each case reads its list and inputs from source text
// and expects the shown form of the result, or an error number.
#include "values/ValueFixture.h"

#include "core/ListVectors.h"
#include "interpreter/ClassTables.h"
#include "interpreter/ValueOperationDescriptors.h"
#include "localization/NameTranslation.h"
#include "values/Reader.h"
#include "values/Strictness.h"
#include "values/ValueFactory.h"

namespace velmora {
namespace {

    struct OperationCase {
        int strict;
        std::string_view operation;
        std::string_view list;
        std::vector<std::string_view> inputs;
        std::string_view expected; // the shown result, or "error N"
    };

    class ListOperations : public ValueFixture {
    protected:
        ~ListOperations() override { setStrictLevel(0); }

        // One value read from source text.
        static ValueRef value(std::string_view text)
        {
            const ValueRef read(readList(text));
            return ValueRef(static_cast<tLogoList*>(read.get())->first());
        }

        std::string call(std::string_view operation, tlogoobject* self,
            const std::vector<std::string_view>& inputs)
        {
            tProcDesc* desc = ClassTables::instance().lists.findProc(codesOf(operation).front());
            if (!desc)
                return "missing";
            tLogoStack& stack = state().valueStack;
            const int32_t height = stack.height();
            for (std::string_view input : inputs)
                stack.push(value(input).get());
            state().methodSelf = self;
            try {
                desc->callMethod(static_cast<int32_t>(inputs.size()));
            } catch (const eLogoException& error) {
                stack.cutBackTo(height);
                return "error " + std::to_string(error.code);
            }
            const ValueRef result = stack.pop();
            return result ? result->printForm(true) : "nothing";
        }

        std::string run(const OperationCase& row)
        {
            setStrictLevel(row.strict);
            const ValueRef self(readList(row.list));
            return call(row.operation, self.get(), row.inputs);
        }
    };

    // clang-format off
    const OperationCase cases[] = {
        // Access, forgiving at strictness 0.
        { 0, "count", "a [b c] d", {}, "3" },
        { 0, "count", "", {}, "0" },
        { 0, "first", "a b c", {}, "a" },
        { 0, "first", "", {}, "[]" },
        { 1, "first", "", {}, "error 4" },
        { 0, "last", "a b c", {}, "c" },
        { 1, "last", "", {}, "error 4" },
        { 0, "butfirst", "a b c", {}, "[b c]" },
        { 0, "butfirst", "a", {}, "[]" },
        { 0, "butlast", "a b c", {}, "[a b]" },
        { 1, "butlast", "", {}, "error 4" },
        { 0, "item", "a b c", { "2" }, "b" },
        { 0, "item", "a b c", { "5" }, "[]" },
        { 1, "item", "a b c", { "5" }, "error 26" },
        { 1, "item", "", { "1" }, "error 4" },
        { 0, "item", "a b c", { "[2 2]" }, "[b c]" },
        { 0, "item", "a b c", { "[-1 3]" }, "[a]" },
        { 0, "item", "a b c d e", { "[1 [4 2] 9]" }, "[a d e]" },
        { 1, "item", "a b c", { "[2 9 1]" }, "error 9" },
        { 0, "item", "a b c", { "[]" }, "[]" },
        { 0, "item", "a b c", { "[1 [1 2 3]]" }, "error 13" },
        { 0, "item", "a b c", { "[x y]" }, "error 6" },
        { 0, "item", "a b c", { "x" }, "error 12" },
        { 0, "member?", "a b c", { "B" }, "true" },
        { 0, "member?", "a [b] c", { "[b]" }, "true" },
        { 0, "member?", "a b c", { "d" }, "false" },
        { 0, "member", "a b c", { "b" }, "2" },
        { 0, "member", "1 2 3", { "3.0" }, "3" },
        { 0, "member", "a b c", { "d" }, "0" },
        { 0, "frommember", "a b c", { "b" }, "[b c]" },
        { 0, "frommember", "a b c", { "d" }, "[]" },
        { 0, "pick", "a", {}, "a" },
        { 1, "pick", "", {}, "error 4" },
        // Construction.
        { 0, "fput", "b c", { "a" }, "[a b c]" },
        { 0, "fput", "", { "[a]" }, "[[a]]" },
        { 0, "lput", "a b", { "c" }, "[a b c]" },
        { 0, "lput", "", { "c" }, "[c]" },
        { 0, "butitem", "a b c", { "2" }, "[a c]" },
        { 0, "butitem", "a b c", { "7" }, "[a b c]" },
        { 0, "butitem", "a b c", { "0" }, "error 26" },
        { 0, "butitem", "a b c d", { "[2 2]" }, "[a d]" },
        { 0, "butitem", "a b c d", { "[0 2]" }, "[b c d]" },
        { 0, "butitem", "a b c", { "[1 2 3]" }, "error 13" },
        { 0, "butitem", "a b c", { "x" }, "error 12" },
        { 0, "replace", "a b c", { "2", "x" }, "[a x c]" },
        { 0, "replace", "a b c", { "5", "x" }, "[a b c x]" },
        { 0, "replace", "a b c", { "0", "x" }, "[x a b c]" },
        { 0, "replace", "a b c", { "[2 0]", "[x y]" }, "[a x y b c]" },
        { 0, "replace", "a b c", { "[2 1]", "[x y]" }, "[a x y c]" },
        { 0, "replace", "a b c", { "[9 1]", "[x]" }, "[a b c x]" },
        { 0, "replace", "a b c", { "[0 2]", "[x]" }, "[x a b c]" },
        { 0, "replace", "a b c", { "[2 1]", "x" }, "error 6" },
        { 0, "replace", "a b c", { "[2]", "[x]" }, "error 13" },
        { 0, "replace", "a b c", { "y", "x" }, "error 12" },
        { 0, "butmember", "a b b c", { "b" }, "[a c]" },
        { 0, "butmember", "a b", { "z" }, "[a b]" },
        { 0, "reverse", "a [b c] d", {}, "[d [b c] a]" },
        { 0, "reverse", "", {}, "[]" },
        { 0, "=", "a [b]", { "[A [B]]" }, "true" },
        { 0, "=", "3", { "3" }, "false" },
        { 0, "<>", "1 2", { "[1 2 3]" }, "true" },
        { 0, "<", "1 2", { "3" }, "error 8" },
        // Vectors and points.
        { 0, "+", "1 2", { "[10 20]" }, "[11 22]" },
        { 0, "+", "[0 0] [1 1]", { "[5 5]" }, "[[5 5] [6 6]]" },
        { 0, "+", "1 2", { "[[0 0] [1 1]]" }, "[[1 2] [2 3]]" },
        { 0, "+", "1 2", { "[1 2 3]" }, "error 10" },
        { 0, "+", "1 2", { "5" }, "error 10" },
        { 0, "+", "", { "[1]" }, "error 4" },
        { 0, "+", "1 a", { "[1 2]" }, "error 10" },
        { 0, "+", "2147483647", { "[1]" }, "[2.14748E9]" },
        { 0, "-", "5 5", { "[1 2]" }, "[4 3]" },
        { 0, "difference", "5 5", { "[1 2]" }, "[4 3]" },
        { 0, "*", "1 2", { "3" }, "[3 6]" },
        { 0, "*", "1 2", { "[3 4]" }, "[3 8]" },
        { 0, "*", "1 2", { "[3]" }, "error 11" },
        { 0, "*", "1 2", { "x" }, "error 11" },
        { 0, "*", "[1 2] [3 4]", { "2" }, "[[2 4] [6 8]]" },
        { 0, "/", "3 6", { "2" }, "[1.5 3]" },
        { 0, "/", "3 6", { "0" }, "error 32" },
        { 0, "quotient", "3 6", { "[3 2]" }, "[1 3]" },
        { 0, "div", "-7 7", { "2" }, "[-4 3]" },
        { 0, "mod", "-7 7", { "[2 -2]" }, "[1 -1]" },
        { 0, "mod", "1 2", { "[2]" }, "error 10" },
        { 0, "int", "2.7 -2.7 3", {}, "[2 -2 3]" },
        { 0, "round", "2.5 -2.5 1.2", {}, "[3 -3 1]" },
        { 0, "random", "1 0 -1", {}, "[0 0 0]" },
        { 0, "abs", "3 4", {}, "5" },
        { 0, "abs", "", {}, "error 4" },
        // Sorting: numeric keys first, then text keys without regard to case.
        { 0, "sort", "3 1 2", {}, "[1 2 3]" },
        { 0, "sort", "b A c", {}, "[A b c]" },
        { 0, "sort", "[1 5] [1 2 3] [1 2]", {}, "[[1 2] [1 2 3] [1 5]]" },
        { 0, "sort", "[1 b] [1 a] [0 z]", {}, "[[0 z] [1 a] [1 b]]" },
        { 0, "sort", "x", {}, "[x]" },
    };
    // clang-format on

    TEST_F(ListOperations, FollowTheirRules)
    {
        for (const OperationCase& row : cases) {
            std::string inputs;
            for (std::string_view input : row.inputs)
                inputs.append(" ").append(input);
            EXPECT_EQ(run(row), row.expected)
                << row.operation << " [" << row.list << "]" << inputs << " strict " << row.strict;
        }
    }

    // Sorting keeps the original order of elements that compare equal.
    TEST_F(ListOperations, SortIsStable)
    {
        EXPECT_EQ(run({ 0, "sort", "b 1 B 1.0 a", {}, "" }), "[1 1.0 a b B]");
    }

    // Random results stay inside their range and keep every element.
    TEST_F(ListOperations, RandomResultsStayInRange)
    {
        for (int i = 0; i < 50; ++i) {
            const std::string pos = run({ 0, "randompos", "[0 0] [3 -3]", {}, "" });
            EXPECT_TRUE(pos == "[0 0]" || pos == "[1 0]" || pos == "[2 0]" || pos == "[0 1]"
                || pos == "[1 1]" || pos == "[2 1]" || pos == "[0 2]" || pos == "[1 2]"
                || pos == "[2 2]")
                << pos;
            EXPECT_EQ(run({ 0, "count", "a b c d", {}, "" }), "4");
            const ValueRef shuffled(readList(run({ 0, "shuffle", "a b c d", {}, "" })));
            const ValueRef sorted(
                readList(call("sort", static_cast<tLogoList*>(shuffled.get())->first(), {})));
            EXPECT_EQ(sorted->printForm(true), "[[a b c d]]");
        }
    }

    // A list of a million elements: item walks to its position, lput copies once, and nothing
    // costs more than one pass (a hidden quadratic copy would not finish here).
    TEST_F(ListOperations, LongListsCostOnePass)
    {
        ListBuilder builder;
        constexpr int32_t length = 1'000'000;
        for (int32_t i = 1; i <= length; ++i)
            builder.append(makeInteger(i));
        const ValueRef list(builder.finish());
        EXPECT_EQ(call("item", list.get(), { "999999" }), "999999");
        for (int i = 0; i < 5; ++i) {
            const ValueRef longer(ValueRef(list.get()));
            EXPECT_EQ(call("count", list.get(), {}), "1000000");
        }
        tProcDesc* lput = ClassTables::instance().lists.findProc(codesOf("lput").front());
        state().valueStack.push(ValueRef(makeWord("end")).get());
        state().methodSelf = list.get();
        lput->callMethod(1);
        const ValueRef extended = state().valueStack.pop();
        EXPECT_EQ(call("last", extended.get(), {}), "end");
        EXPECT_EQ(call("count", extended.get(), {}), "1000001");
        EXPECT_EQ(call("first", extended.get(), {}), "1");
    }

    // The word side's entries: a number with a list, and "sum" of lists.
    TEST_F(ListOperations, VectorEntriesForTheWordSide)
    {
        const ValueRef three(makeInteger(3)), vector(readList("1 2")), other(readList("10 20"));
        EXPECT_EQ(ValueRef(scalarWithVector(VectorOp::Multiply, three.get(), vector.get()))
                      ->printForm(true),
            "[3 6]");
        tlogoobject* inputs[] = { vector.get(), other.get(), vector.get() };
        EXPECT_EQ(ValueRef(vectorAccumulate(VectorOp::Add, inputs))->printForm(true), "[12 24]");
    }

} // namespace
} // namespace velmora
