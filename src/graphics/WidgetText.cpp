#include "graphics/WidgetText.h"

#include "localization/CodePageConverter.h"
#include "localization/LanguageDictionary.h"

#include <map>
#include <memory>
#include <mutex>

namespace velmora {

namespace {

    struct ConverterPair {
        explicit ConverterPair(const std::string& codePage)
            : toUnicode("UTF-8", codePage)
            , fromUnicode(codePage, "UTF-8")
        {
        }
        CodePageConverter toUnicode;
        CodePageConverter fromUnicode;
    };

    // One pair for each code page met, kept for the program's life: opening a converter loads
    // its module.
    ConverterPair& convertersOfCurrentLanguage()
    {
        static std::mutex lock;
        static std::map<std::string, std::unique_ptr<ConverterPair>> pairs;
        const std::string codePage = iconvCodePageOf(languageDictionary().currentLanguage());
        std::lock_guard hold(lock);
        std::unique_ptr<ConverterPair>& pair = pairs[codePage];
        if (!pair)
            pair = std::make_unique<ConverterPair>(codePage);
        return *pair;
    }

} // namespace

QString widgetText(std::string_view text)
{
    return QString::fromStdString(convertersOfCurrentLanguage().toUnicode.convert(text));
}

std::string engineText(const QString& text)
{
    return convertersOfCurrentLanguage().fromUnicode.convert(text.toStdString());
}

} // namespace velmora
