#include "core/Options.h"

#include "core/ElapsedTime.h"
#include "localization/LanguageDictionary.h"
#include "values/Strictness.h"
#include "values/ValueFactory.h"

namespace velmora {

Options& options()
{
    // Never destroyed: the picker list must not outlive the value pools at exit.
    static Options* record = new Options;
    return *record;
}

namespace {

    std::string systemEntry(std::string_view key, std::string_view fallback)
    {
        const std::string entry
            = languageDictionary().getString("system", key, MissingEntry::Ignore);
        return entry.empty() ? std::string(fallback) : entry;
    }

} // namespace

void resetOptions(OptionsReset scope)
{
    Options& record = options();
    const Options kept = record;
    record = Options {};
    record.picker = ValueRef(makeEmptyList());
    record.homePage = "https://velmora.example/";
    record.pluginPage = "https://velmora.example/player/";
    record.htmlCharset = systemEntry("HTMLcharset", "iso-8859-1");
    record.htmlBottomLine = systemEntry("HTMLbottomLine", "");
    setUnitsPerSecond(1000);
    if (scope == OptionsReset::Workspace) {
        record.functionKeyMode = kept.functionKeyMode;
        record.octaves = kept.octaves;
        return;
    }
    setStrictLevel(0);
    languageDictionary().setAnsiOption(false);
}

} // namespace velmora
