#include "interpreter/LogoStack.h"
#include "interpreter/LogoTab.h"
#include "interpreter/LogoVarTab.h"
#include "interpreter/PrimitiveDescriptors.h"
#include "values/ValueFactory.h"
#include "values/ValueFixture.h"

namespace velmora {
namespace {

    class Tables : public ValueFixture { };

    TEST_F(Tables, RegisteringANameTwiceKeepsTheSecondDescriptorOnce)
    {
        tLogoTab table;
        table.registerDesc(new tProcDesc(10, 1, false, etFun));
        auto* second = new tProcDesc(10, 2, false, etFun);
        table.registerDesc(second);
        EXPECT_EQ(table.find(10), second);
        int inOrder = 0;
        table.forEachInOrder([&](tTabDesc*) { ++inOrder; });
        EXPECT_EQ(inOrder, 1);
    }

    TEST_F(Tables, TheWindowGrowsToCoverDistantCodes)
    {
        tLogoTab table;
        table.registerDesc(new tProcDesc(10, 0, false, etFun));
        table.registerDesc(new tProcDesc(5000, 0, false, etFun));
        table.registerDesc(new tProcDesc(1, 0, false, etFun));
        EXPECT_TRUE(table.contains(10));
        EXPECT_TRUE(table.contains(5000));
        EXPECT_TRUE(table.contains(1));
        EXPECT_FALSE(table.contains(4999));
        try {
            table.registerDesc(new tProcDesc(0, 0, false, etFun));
            ADD_FAILURE();
        } catch (const eLogoException& error) {
            EXPECT_EQ(error.code, erInternLogoTab);
        }
    }

    // Names registered one after another, upwards or downwards, densely or sparsely: every growth
    // of the window must carry the entries already there to their places.
    TEST_F(Tables, EveryEntryStaysInItsPlaceAsTheWindowGrowsEitherWay)
    {
        struct Walk {
            NameCode first, last, step;
        };
        const Walk walks[]
            = { { 1, 20000, 1 }, { 20000, 1, -1 }, { 7, 100007, 997 }, { 100007, 7, -997 } };
        for (const Walk& walk : walks) {
            tLogoTab table;
            const auto walked = [&](NameCode code) {
                return walk.step > 0 ? code <= walk.last : code >= walk.last;
            };
            for (NameCode code = walk.first; walked(code); code += walk.step)
                table.registerDesc(new tProcDesc(code, 0, false, etFun));
            for (NameCode code = walk.first; walked(code); code += walk.step) {
                ASSERT_TRUE(table.find(code)) << walk.first << " " << code;
                ASSERT_EQ(table.find(code)->name, code);
                if (std::abs(walk.step) > 1) {
                    ASSERT_FALSE(table.find(code + 1)) << walk.first << " " << code;
                }
            }
        }
    }

    TEST_F(Tables, EraseAllKeepsBuiltInEntries)
    {
        tLogoTab table;
        auto* primitive = new tProcDesc(3, 0, false, etFun);
        primitive->flags |= builtin;
        table.registerDesc(primitive);
        table.registerDesc(new tProcDesc(4, 0, false, etFun));
        table.eraseAll();
        EXPECT_TRUE(table.contains(3));
        EXPECT_FALSE(table.contains(4));
        EXPECT_THROW(table.erase(4), eLogoException);
    }

    TEST_F(Tables, EachKindOfTableNamesWhatIsMissingWithItsOwnError)
    {
        tLogoTab procedures;
        tLogoVarTab variables;
        tLogoEventTab events;
        tLogoObjectsTab objects;
        tLogoPagesTab pages;
        const struct {
            tLogoTab& table;
            errorConst error;
            const char* label;
        } cases[] = {
            { procedures, erDoNotKnowHowTo, "Commands" },
            { variables, erNoVal, "Variables" },
            { events, erUnDefEvenet, "Events" },
            { objects, erNoObject, "Objects" },
            { pages, erPageNotExist, "Pages" },
        };
        for (const auto& c : cases) {
            EXPECT_EQ(c.table.labelText(), c.label);
            try {
                c.table.get(42);
                ADD_FAILURE() << c.label;
            } catch (const eLogoException& error) {
                EXPECT_EQ(error.code, c.error) << c.label;
                EXPECT_EQ(error.datumCode, 42);
            }
        }
    }

    TEST_F(Tables, VariableInputPrimitivesTakeTheirInputsFromTheStackAndPushOneEntry)
    {
        auto sumOfInputs
            = [](tlogoobject*, tLogoStack& stack, int32_t count, CallForm) -> tlogoobject* {
            int32_t total = 0;
            for (int32_t i = 0; i < count; ++i)
                total += stack.lookAt(i)->asInteger();
            return makeInteger(total);
        };
        tMainPasProcDesc command(7, etFun, 2, sumOfInputs, nullptr);
        tLogoStack& stack = state().valueStack;
        const int32_t height = stack.height();
        for (int32_t value : { 1, 2, 3 })
            stack.push(makeInteger(value));
        command.call(3, CallForm::Operation, CallRoute::Evaluator);
        EXPECT_EQ(stack.height(), height + 1);
        EXPECT_EQ(stack.pop()->asInteger(), 6);
        EXPECT_TRUE(command.varpar);
    }

    TEST_F(Tables, StackMisuseRaisesItsInternalErrors)
    {
        tLogoStack stack(2);
        const struct {
            void (*misuse)(tLogoStack&);
            errorConst error;
        } cases[] = {
            { [](tLogoStack& s) { s.peekTop(); }, erStackTop },
            { [](tLogoStack& s) { s.popAndRelease(); }, erStackDeletetop },
            { [](tLogoStack& s) { s.popOwned(); }, erStackPop1 },
            { [](tLogoStack& s) { s.popCommandResult(); }, erStackPopnil },
            { [](tLogoStack& s) { s.lookAt(0); }, erStackLookstack },
            { [](tLogoStack& s) { s.removeAt(0); }, erStackShift },
            { [](tLogoStack& s) { s.removeBelowTop(); }, erStackShiftTop },
        };
        for (const auto& c : cases) {
            try {
                c.misuse(stack);
                ADD_FAILURE() << "no error for " << c.error;
            } catch (const eLogoException& error) {
                EXPECT_EQ(error.code, c.error);
            }
        }
        for (int i = 0; i < 5; ++i)
            stack.push(makeInteger(i));
        stack.removeAt(1);
        EXPECT_EQ(stack.lookAt(1)->text(), "2");
        try {
            stack.popCommandResult();
            ADD_FAILURE();
        } catch (const eLogoException& error) {
            EXPECT_EQ(error.code, erWhatToDo);
            EXPECT_EQ(error.datum->text(), "4");
        }
    }

} // namespace
} // namespace velmora
