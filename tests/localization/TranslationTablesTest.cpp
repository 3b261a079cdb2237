// The start-up translation tables built from the English dictionary: the event range, the class
// aliases and the property rows.
#include "core/EngineStartup.h"
#include "localization/ClassAliases.h"
#include "localization/EventCodes.h"
#include "localization/LanguageDictionary.h"
#include "localization/NameCodes.h"
#include "localization/PropertyRows.h"

#include <set>
#include <string>

#include <gtest/gtest.h>

namespace velmora {
namespace {

    class TranslationTables : public ::testing::Test {
    protected:
        void SetUp() override { ASSERT_TRUE(startEngine("english")); }
    };

    TEST_F(TranslationTables, EventsAreDistinctAndInsideTheRange)
    {
        const EventCodes& events = EventCodes::instance();
        std::set<NameCode> seen;
        for (std::string_view event : EventCodes::eventNames()) {
            const NameCode code = events.eventCode(event);
            EXPECT_TRUE(events.isEventCode(code)) << event;
            EXPECT_TRUE(seen.insert(code).second) << event << " shares its code";
            EXPECT_EQ(code, NameCodes::instance().find(event)) << event;
        }
        EXPECT_EQ(events.countAfter() - events.countBefore(),
            static_cast<NameCode>(EventCodes::eventNames().size()));
    }

    TEST_F(TranslationTables, WordsOutsideTheEventRangeAreNoEvents)
    {
        const EventCodes& events = EventCodes::instance();
        ASSERT_FALSE(events.createCodes().empty());
        ASSERT_FALSE(events.destroyCodes().empty());
        const NameCode outside[] = {
            0,
            events.createCodes().front(),
            events.destroyCodes().front(),
            events.defaultActionCode(),
            events.countBefore(),
            events.countAfter() + 1,
            NameCodes::instance().intern("forward"),
            NameCodes::instance().intern("notAnEventAtAll"),
        };
        for (NameCode code : outside)
            EXPECT_FALSE(events.isEventCode(code)) << NameCodes::instance().nameOf(code);
        EXPECT_EQ(events.eventCode("onNothing"), 0);
    }

    TEST_F(TranslationTables, ClassAliasesLeadToTheirGroupsMainName)
    {
        struct Case {
            std::string_view name;
            std::string_view mainName; // empty: no alias
        };
        const Case cases[] = {
            { "ColorSlider", "ColourSlider" },
            { "colourslider", "ColourSlider" },
            { "COLORBUTTON", "ColourButton" },
            { "WebWindow", "Web" },
            { "Web", "Web" },
            { "Button", "" }, // one word only: no alias
            { "Slider", "" },
            { "NoSuchClass", "" },
        };
        for (const Case& c : cases) {
            const NameCode expected
                = c.mainName.empty() ? 0 : NameCodes::instance().find(c.mainName);
            EXPECT_EQ(classMainCode(c.name), expected) << c.name;
        }
    }

    TEST_F(TranslationTables, EveryPropertyKeyHasItsWordsAndARow)
    {
        for (int32_t property = 0; property < propertyCount; ++property) {
            const std::string_view name = PropertyRows::internalName(property);
            const PropertyRow& row = PropertyRows::instance().row(property);
            if (name.empty()) {
                EXPECT_EQ(row.mainCode, 0) << property;
                continue;
            }
            EXPECT_FALSE(languageDictionary().getString("dict", name, MissingEntry::Ignore).empty())
                << property << " " << name;
            EXPECT_NE(row.mainCode, 0) << property;
            EXPECT_NE(row.setterCode, 0) << property;
            EXPECT_NE(row.mainCode, row.setterCode) << property;
        }
        EXPECT_TRUE(PropertyRows::internalName(29).empty());
        EXPECT_TRUE(PropertyRows::internalName(185).empty());
        EXPECT_TRUE(PropertyRows::internalName(194).empty());
        EXPECT_TRUE(PropertyRows::internalName(195).empty());
    }

    TEST_F(TranslationTables, PropertyRowsFindTheirCodesAndSpellings)
    {
        struct Case {
            int32_t property;
            std::string_view mainName;
            std::string_view setterName;
            std::string_view setterSpelling; // empty: the row has none to check
            std::string_view notSetterSpelling;
        };
        const Case cases[] = {
            { 5, "size", "setsize", "", "setsize" },
            { 2, "xCor", "setxCor", "setx", "setxCor" },
            { 40, "heading", "setheading", "SETH", "heading" },
            { 47, "penColour", "setpenColour", "setpencolor", "pencolor" },
            { 13, "font", "setfont", "", "settext" },
        };
        NameCodes& names = NameCodes::instance();
        for (const Case& c : cases) {
            const PropertyRow& row = PropertyRows::instance().row(c.property);
            EXPECT_EQ(row.mainCode, names.find(c.mainName)) << c.property;
            EXPECT_EQ(row.setterCode, names.find(c.setterName)) << c.property;
            EXPECT_EQ(row.setterCodes().front(), row.setterCode) << c.property;
            if (!c.setterSpelling.empty()) {
                EXPECT_TRUE(isSetterSpelling(c.property, c.setterSpelling)) << c.property;
            }
            EXPECT_FALSE(isSetterSpelling(c.property, c.notSetterSpelling)) << c.property;
        }
        EXPECT_FALSE(isSetterSpelling(-1, "setx"));
        EXPECT_FALSE(isSetterSpelling(propertyCount, "setx"));
    }

    TEST_F(TranslationTables, FurtherSynonymsBecomeGettersAndTheirSettersSetters)
    {
        const PropertyRow& row = PropertyRows::instance().row(47); // penColour pencolor pc
        ASSERT_EQ(row.synonyms.size(), 3u);
        EXPECT_EQ(row.getterSpellings, "pencolor pc");
        EXPECT_EQ(row.setterSpellings, "setpencolor setpc");
        const std::vector<NameCode> getters = row.getterCodes();
        ASSERT_EQ(getters.size(), 2u);
        EXPECT_EQ(getters[1], NameCodes::instance().find("pc"));
        EXPECT_EQ(row.setterCodes().size(), 3u);
    }

} // namespace
} // namespace velmora
