#include "interpreter/LogoTab.h"
#include "interpreter/Registration.h"
#include "localization/NameCodes.h"
#include "values/ValueFixture.h"

namespace velmora {
namespace {

    class PendingPrimitivesTest : public ValueFixture {
    protected:
        static tlogoobject* none(tlogoobject*, tLogoStack&, int32_t, CallForm) { return nullptr; }
        // A row whose descriptor tells which row it came from by its number of inputs.
        static constexpr PrimitiveRow row(std::string_view name, int32_t marker)
        {
            return variable(name, etFun, marker, none);
        }
        static NameCode code(std::string_view spelling)
        {
            return NameCodes::instance().intern(spelling);
        }
        // The marker of the descriptor a spelling finds, or -1 when it finds none.
        int32_t markerOf(std::string_view spelling)
        {
            tProcDesc* desc = table.findProc(code(spelling));
            return desc ? desc->defpar : -1;
        }

        tLogoTab table;
    };

    TEST_F(PendingPrimitivesTest, EverySpellingFindsItsOwnBuiltInDescriptor)
    {
        static constexpr PrimitiveRow rows[] = { row("print", 1), row("forward", 2) };
        registerPrimitives(table, nullptr, rows);
        EXPECT_EQ(markerOf("pr"), 1);
        EXPECT_EQ(markerOf("FD"), 2);
        tTabDesc* print = table.find(code("print"));
        ASSERT_NE(print, nullptr);
        EXPECT_NE(print, table.find(code("pr")));
        EXPECT_EQ(print, table.find(code("Print")));
        EXPECT_TRUE(print->flags & builtin);
        EXPECT_EQ(print->table, &table);
        EXPECT_EQ(markerOf("printer"), -1);
        EXPECT_EQ(table.find(NameCodes::instance().intern("#7")), nullptr);
    }

    TEST_F(PendingPrimitivesTest, SharedSpellingsGoToTheLastReplacingRowAndGapsAreFilledLast)
    {
        static constexpr PrimitiveRow gapFillers[] = { row("print", 9), row("show", 9) };
        static constexpr PrimitiveRow first[] = { row("print", 1), row("forward", 1) };
        static constexpr PrimitiveRow second[] = { row("forward", 2) };
        registerPrimitives(table, nullptr, gapFillers, Precedence::FillsGaps);
        registerPrimitives(table, nullptr, first);
        registerPrimitives(table, nullptr, second);
        EXPECT_EQ(markerOf("print"), 1);
        EXPECT_EQ(markerOf("fd"), 2);
        EXPECT_EQ(markerOf("show"), 9);
    }

    TEST_F(PendingPrimitivesTest, AnEntryOfTheTableOwnOutranksThePendingPrimitiveForGood)
    {
        static constexpr PrimitiveRow rows[] = { row("print", 1), row("forward", 2) };
        registerPrimitives(table, nullptr, rows);
        // Erasing a primitive that was looked up, or one that never was, leaves nothing behind.
        ASSERT_EQ(markerOf("print"), 1);
        table.erase(code("print"));
        EXPECT_EQ(markerOf("print"), -1);
        table.erase(code("fd"));
        EXPECT_EQ(markerOf("fd"), -1);
        EXPECT_EQ(markerOf("forward"), 2);
        // An entry registered under a pending spelling replaces it; erased, it is gone too.
        table.registerDesc(new tProcDesc(code("pr"), 5, false, etFun));
        EXPECT_EQ(markerOf("pr"), 5);
        table.eraseAll();
        EXPECT_EQ(markerOf("pr"), -1);
        EXPECT_EQ(markerOf("forward"), 2);
    }

} // namespace
} // namespace velmora
