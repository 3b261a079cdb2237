#include "values/Errors.h"
#include "values/Random.h"
#include "values/Reader.h"
#include "values/ValueFactory.h"
#include "values/ValueFixture.h"
#include "values/ValuePools.h"

#include <cmath>
#include <limits>
#include <vector>

namespace velmora {
namespace {

    class Values : public ValueFixture { };

    ValueRef read(std::string_view text)
    {
        ValueRef list(readList(text));
        return ValueRef(static_cast<tLogoList*>(list.get())->first());
    }

    TEST_F(Values, EqualityFollowsTheKindsOfBothSides)
    {
        const struct {
            const char* a;
            const char* b;
            bool equal;
        } cases[] = {
            { "3", "3.0", true },
            { "Abc", "aBC", true },
            { "[3]", "3", false },
            { "[a [b]]", "[A [b]]", true },
            { "[a b]", "[a b c]", false },
            { "true", "TRUE", true },
            { "true", "1", false },
            { "007", "7", true },
            { "[]", "[]", true },
        };
        for (const auto& c : cases) {
            ValueRef a = read(c.a), b = read(c.b);
            EXPECT_EQ(a->equals(b.get()), c.equal) << c.a << " = " << c.b;
            EXPECT_EQ(b->equals(a.get()), c.equal) << c.b << " = " << c.a;
        }
        ValueRef word(makeWord("3")), number(makeInteger(3));
        EXPECT_TRUE(word->equals(number.get()));
    }

    TEST_F(Values, ConvertsToIntegersRoundingHalfAwayFromZero)
    {
        const struct {
            LogoReal value;
            int32_t integer;
        } cases[] = { { 2.5L, 3 }, { -2.5L, -3 }, { 2.4L, 2 }, { -0.4L, 0 } };
        for (const auto& c : cases) {
            ValueRef real(makeReal(c.value));
            EXPECT_EQ(real->asInteger(), c.integer);
        }
        ValueRef huge(makeReal(3e9L));
        try {
            huge->asInteger();
            ADD_FAILURE();
        } catch (const eLogoException& error) {
            EXPECT_EQ(error.code, erMinMax);
            EXPECT_EQ(error.numB, 2147483647);
        }
    }

    TEST_F(Values, RealsWithoutAFractionAreIntegers)
    {
        const LogoReal infinity = std::numeric_limits<LogoReal>::infinity();
        const struct {
            LogoReal value;
            bool integer;
        } cases[] = {
            { 3.0L, true },
            { -2.0L, true },
            { 0.0L, true },
            { -0.0L, true },
            { 1e30L, true },
            { 0x1p63L + 2, true },
            { 0x1p62L + 0.5L, false },
            { 3.5L, false },
            { -0.25L, false },
            { 1e-4940L, false },
            { infinity, true },
            { -infinity, true },
            { std::numeric_limits<LogoReal>::quiet_NaN(), false },
        };
        for (const auto& c : cases) {
            ValueRef real(new tLogoReal(c.value));
            EXPECT_EQ(real->isInteger(), c.integer) << c.value;
            EXPECT_EQ(real->isInteger(), c.value == std::trunc(c.value)) << c.value;
        }
    }

    TEST_F(Values, TruthValues)
    {
        ValueRef zero(makeInteger(0)), minus(makeInteger(-2)), one(makeReal(1.0L));
        EXPECT_FALSE(zero->asBool());
        EXPECT_FALSE(minus->asBool());
        EXPECT_TRUE(one->asBool());
        ValueRef half(makeReal(0.5L));
        int trueCount = 0;
        for (int i = 0; i < 1000; ++i)
            trueCount += half->asBool();
        EXPECT_GT(trueCount, 300);
        EXPECT_LT(trueCount, 700);
        ValueRef word(makeWord("maybe"));
        EXPECT_THROW(word->asBool(), eLogoException);
    }

    TEST_F(Values, AnyWordsStandForRandomValuesInRange)
    {
        ValueRef any(makeWord("any"));
        for (int i = 0; i < 200; ++i) {
            const int32_t value = any->intInRange(1, 6);
            EXPECT_GE(value, 1);
            EXPECT_LE(value, 6);
        }
    }

    TEST_F(Values, ASeedRepeatsTheRandomValues)
    {
        const auto draw = [] {
            seedRandom(7);
            std::vector<int32_t> values;
            for (int i = 0; i < 20; ++i)
                values.push_back(randomInRange(1, 1000));
            values.push_back(static_cast<int32_t>(randomUnit() * 1000));
            return values;
        };
        EXPECT_EQ(draw(), draw());
    }

    TEST_F(Values, PooledNumbersAreRecycledAndNeverStoredInVariables)
    {
        tLogoInt* first = makeInteger(1);
        EXPECT_TRUE(first->pooled);
        release(static_cast<tlogoobject*>((addRef(first), first)));
        tLogoInt* again = makeInteger(2);
        EXPECT_EQ(again, first);
        EXPECT_EQ(again->text(), "2");
        ValueRef keep(again);
        ValueRef copy(again->copy());
        EXPECT_FALSE(copy->pooled);
    }

    TEST_F(Values, LongListsAreComparedAndFreedWithoutDeepRecursion)
    {
        ListBuilder a, b;
        for (int i = 0; i < 400000; ++i) {
            a.append(makeInteger(i));
            b.append(makeInteger(i));
        }
        ValueRef x(a.finish()), y(b.finish());
        EXPECT_TRUE(x->equals(y.get()));
        EXPECT_EQ(static_cast<tLogoList*>(x.get())->count(), 400000);
    }

} // namespace
} // namespace velmora
