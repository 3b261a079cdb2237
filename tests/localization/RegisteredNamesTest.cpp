// Every name the system registers at start-up has its words in the English dictionary, and every
// error code and place kind has its message template and caption.
#include "core/EngineStartup.h"
#include "core/MainObj.h"
#include "localization/LanguageDictionary.h"
#include "localization/NameTranslation.h"
#include "values/ErrorCodes.h"
#include "values/ValueRef.h"

#include <cstdio>

#include <gtest/gtest.h>

namespace velmora {
namespace {

    TEST(RegisteredNames, AllHaveTheirWordsInTheEnglishDictionary)
    {
        std::vector<std::string> messages;
        auto collect = [&](const std::string& message) { messages.push_back(message); };
        languageDictionary().setMessageSink(collect);
        setTranslationMessageSink(collect);
        ASSERT_TRUE(startEngine("english"));
        {
            ValueRef main(new tMainLogoObject);
        }
        auto toStandardError
            = [](const std::string& message) { std::fprintf(stderr, "%s\n", message.c_str()); };
        languageDictionary().setMessageSink(toStandardError);
        setTranslationMessageSink(toStandardError);
        for (const std::string& message : messages)
            ADD_FAILURE() << message;
    }

    TEST(RegisteredNames, EveryErrorHasATemplateAndEveryPlaceACaption)
    {
        ASSERT_TRUE(startEngine("english"));
        const LanguageDictionary& dictionary = languageDictionary();
        for (int code = 0; code < errorConstCount; ++code) {
            const std::string_view name = errorName(static_cast<errorConst>(code));
            EXPECT_FALSE(dictionary.getString("errors", name, MissingEntry::Ignore).empty())
                << name;
        }
        for (int kind = 0; kind < inprocTypeCount; ++kind) {
            const std::string_view name = inprocTypeName(static_cast<tInprocType>(kind));
            EXPECT_FALSE(dictionary.getString("ErrorCaptions", name, MissingEntry::Ignore).empty())
                << name;
        }
        for (std::string_view caption : { "Error", "errorinproc" })
            EXPECT_FALSE(
                dictionary.getString("ErrorCaptions", caption, MissingEntry::Ignore).empty());
    }

} // namespace
} // namespace velmora
