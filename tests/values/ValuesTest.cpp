#include "values/CountLimit.h"
#include "values/Errors.h"
#include "values/Random.h"
#include "values/Reader.h"
#include "values/ValueFactory.h"
#include "values/ValueFixture.h"
#include "values/ValuePools.h"

#include <cmath>
#include <functional>
#include <limits>
#include <optional>
#include <pthread.h>
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

    TEST_F(Values, IntegersInARangeAreTakenFromEveryKindOfNumber)
    {
        enum class Made { Read, AsText };
        const struct {
            const char* source;
            Made made; // read as a number, or made a text word
            std::optional<int32_t> integer; // none: error 26 with the bounds 0 and 2
        } cases[] = {
            { "1", Made::Read, 1 },
            { "1.0", Made::Read, 1 },
            { "1.6", Made::Read, 2 },
            { "-0.4", Made::Read, 0 },
            { "2.5", Made::Read, std::nullopt },
            { "3", Made::Read, std::nullopt },
            { "1e20", Made::Read, std::nullopt },
            { "1.0", Made::AsText, 1 },
            { "2", Made::AsText, 2 },
            { "1e20", Made::AsText, std::nullopt },
        };
        for (const auto& c : cases) {
            ValueRef value(c.made == Made::Read ? read(c.source) : ValueRef(makeWord(c.source)));
            try {
                EXPECT_EQ(value->intInRange(0, 2), c.integer) << c.source;
            } catch (const eLogoException& error) {
                EXPECT_FALSE(c.integer) << c.source;
                EXPECT_EQ(error.code, erMinMax) << c.source;
                EXPECT_EQ(error.numA, 0) << c.source;
                EXPECT_EQ(error.numB, 2) << c.source;
            }
        }
    }

    TEST_F(Values, NoWordIsLongerThanACountCanReport)
    {
        EXPECT_NO_THROW(requireWordLength(2147483647));
        for (const uint64_t length : { uint64_t { 2147483648 }, uint64_t { 1 } << 40 }) {
            try {
                requireWordLength(length);
                ADD_FAILURE() << length;
            } catch (const eLogoException& error) {
                EXPECT_EQ(error.code, erNumTooBig);
                EXPECT_EQ(error.datum->text(), std::to_string(length));
            }
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

    // Runs the work in a thread whose stack is far too small for a native call per list level.
    void runOnSmallStack(std::function<void()> work)
    {
        pthread_attr_t attributes;
        pthread_attr_init(&attributes);
        pthread_attr_setstacksize(&attributes, size_t(256) << 10);
        pthread_t thread;
        const auto run = [](void* job) -> void* {
            (*static_cast<std::function<void()>*>(job))();
            return nullptr;
        };
        ASSERT_EQ(pthread_create(&thread, &attributes, run, &work), 0);
        pthread_join(thread, nullptr);
        pthread_attr_destroy(&attributes);
    }

    // [[[... x ...]]] with `before` and `after` around each level's sublist.
    tLogoList* nested(tlogoobject* innermost, int depth, int before, int after)
    {
        ValueRef list(innermost);
        for (int level = 0; level < depth; ++level) {
            ListBuilder builder;
            for (int i = 0; i < before; ++i)
                builder.append(makeInteger(i));
            builder.append(list.get());
            for (int i = 0; i < after; ++i)
                builder.append(makeInteger(i));
            list = ValueRef(builder.finish());
        }
        return static_cast<tLogoList*>(handOver(list.leak()));
    }

    TEST_F(Values, DeeplyNestedListsAreFreedWithoutDeepRecursion)
    {
        const struct {
            int before, after;
        } shapes[] = { { 0, 0 }, { 1, 2 }, { 2, 0 } };
        for (const auto& shape : shapes) {
            // The innermost list is shared: freeing the nest must leave it whole.
            ValueRef shared(nested(makeWord("a"), 3, 0, 1));
            ValueRef nest(nested(shared.get(), 100000, shape.before, shape.after));
            runOnSmallStack([&] { nest = ValueRef(); });
            EXPECT_EQ(static_cast<tLogoList*>(shared.get())->count(), 2);
            EXPECT_EQ(shared->printForm(true), "[[[a 0] 0] 0]");
        }
    }

} // namespace
} // namespace velmora
