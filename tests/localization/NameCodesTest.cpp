#include "localization/NameCodes.h"
#include "localization/NameComparison.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

    class NameCodesTest : public ::testing::Test {
    protected:
        void SetUp() override
        {
            setCurrentNameComparison(NameComparison::caseInsensitive(CodePage::Windows1252));
            m_codes.clear();
        }
        void TearDown() override { m_codes.clear(); }

        NameCodes& m_codes = NameCodes::instance();
    };

    TEST_F(NameCodesTest, EqualSpellingsShareTheCodeOfTheFirst)
    {
        EXPECT_EQ(m_codes.intern("forward"), 1);
        EXPECT_EQ(m_codes.intern("back"), 2);
        EXPECT_EQ(m_codes.intern("FORWARD"), 1);
        EXPECT_EQ(m_codes.intern("\xE9t\xE9"), 3); // small e acute folds to its capital
        EXPECT_EQ(m_codes.find("\xC9T\xC9"), 3);
        EXPECT_EQ(m_codes.nameOf(1), "forward");
        EXPECT_EQ(m_codes.find("left"), 0);
        EXPECT_EQ(m_codes.find(""), 0);
        EXPECT_EQ(m_codes.nameOf(4), "<Unknown name>");
        EXPECT_EQ(m_codes.count(), 3);
    }

    TEST_F(NameCodesTest, NumberedNamesAreNeverEntered)
    {
        EXPECT_EQ(m_codes.intern("#5"), static_cast<NameCode>(2147483652u));
        EXPECT_EQ(m_codes.find("#5"), static_cast<NameCode>(2147483652u));
        EXPECT_EQ(m_codes.count(), 0);
    }

    TEST_F(NameCodesTest, KeepsEveryNameAsTheTablesGrowAndForgetsThemOnClear)
    {
        const auto spelling = [](int n) { return "name" + std::to_string(n); };
        constexpr int names = 20000;
        ASSERT_EQ(m_codes.intern(spelling(1)), 1);
        const std::string& first = m_codes.nameOf(1);
        for (int n = 2; n <= names; ++n)
            ASSERT_EQ(m_codes.intern(spelling(n)), n);
        for (int n = 1; n <= names; ++n)
            ASSERT_EQ(m_codes.find("NAME" + std::to_string(n)), n);
        EXPECT_EQ(first, "name1"); // names stay in place while the table grows
        m_codes.clear();
        EXPECT_EQ(m_codes.find(spelling(1)), 0);
        EXPECT_EQ(m_codes.intern(spelling(2)), 1);
    }

} // namespace
} // namespace velmora
