#include "core/OptionPrimitives.h"

#include "core/ElapsedTime.h"
#include "core/Options.h"
#include "interpreter/Registration.h"
#include "localization/LanguageDictionary.h"
#include "values/Strictness.h"
#include "values/ValueFactory.h"

namespace velmora {

namespace {

    // The program's version; "build" is the text after its last dot.
    constexpr std::string_view programVersion = "0.1";
    // 386, plus 8 while the workspace is reset or the player starts and 16 while the subsystems
    // register; Logo code runs in neither of those.
    constexpr int32_t runningState = 386;

    Options& record() { return options(); }
    tlogoobject* integer(int32_t value) { return makeInteger(value); }
    tlogoobject* word(std::string_view text) { return makeWord(text); }
    std::string textOf(tlogoobject* value) { return value->printForm(false); }
    int32_t flag(tlogoobject* value) { return value->intInRange(0, 1); }

    // 10, 100 or 1000 units per second; error 9 naming the value otherwise.
    int32_t timeUnitOf(tlogoobject* value)
    {
        const int32_t units = value->isNumber() ? value->asInteger() : 0;
        if (units != 10 && units != 100 && units != 1000)
            throw eLogoException(erBadValue, value);
        return units;
    }

    // 0 gives mode 1, 1 to 11 mode 0, 12 mode 2.
    int32_t functionKeyModeOf(tlogoobject* value)
    {
        const int32_t setting = value->intInRange(0, 12);
        return setting == 0 ? 1 : setting == 12 ? 2 : 0;
    }

    tlogoobject* pickerOf(tlogoobject* value)
    {
        if (!value->isList())
            throw eLogoException(erExpectList, value);
        return value;
    }

    // A missing setter or getter makes the option read-only or write-only (error 9).
    struct OptionRow {
        std::string_view name;
        void (*set)(tlogoobject* value);
        tlogoobject* (*get)();
    };

    // clang-format off
    const OptionRow optionRows[] = {
        { "error", [](tlogoobject* v) { flag(v); }, [] { return integer(0); } },
        { "picker", [](tlogoobject* v) { record().picker = pickerOf(v); },
            [] { return record().picker.get(); } },
        { "colourcursor", [](tlogoobject* v) { record().colourCursor = flag(v); },
            [] { return integer(record().colourCursor); } },
        { "ansi", [](tlogoobject* v) { languageDictionary().setAnsiOption(flag(v) == 1); },
            [] { return integer(languageDictionary().ansiOption() ? 1 : 0); } },
        { "sound", [](tlogoobject* v) { record().sound = flag(v); },
            [] { return integer(record().sound); } },
        { "fkeys", [](tlogoobject* v) { record().functionKeyMode = functionKeyModeOf(v); },
            [] { return integer(12); } },
        { "thresholdy2k", [](tlogoobject* v) { record().thresholdY2k = v->intInRange(0, 99); },
            [] { return integer(record().thresholdY2k); } },
        { "ellapseunit", [](tlogoobject* v) { setUnitsPerSecond(timeUnitOf(v)); },
            [] { return integer(unitsPerSecond()); } },
        { "timeunit", [](tlogoobject* v) { record().timeUnit = timeUnitOf(v); },
            [] { return integer(record().timeUnit); } },
        { "strict", [](tlogoobject* v) { setStrictLevel(v->intInRange(0, 2)); },
            [] { return integer(strictLevel()); } },
        { "octaves", [](tlogoobject* v) { record().octaves = v->intInRange(1, 4); },
            [] { return integer(record().octaves); } },
        { "homepage", [](tlogoobject* v) { record().homePage = textOf(v); },
            [] { return word(record().homePage); } },
        { "pluginpage", [](tlogoobject* v) { record().pluginPage = textOf(v); },
            [] { return word(record().pluginPage); } },
        { "HTMLcharset", [](tlogoobject* v) { record().htmlCharset = textOf(v); },
            [] { return word(record().htmlCharset); } },
        { "HTMLbottomLine", [](tlogoobject* v) { record().htmlBottomLine = textOf(v); }, nullptr },
        { "state", nullptr, [] { return integer(runningState); } },
        { "version", nullptr, [] { return word(languageDictionary().currentLanguage()); } },
        { "build", nullptr,
            [] { return word(programVersion.substr(programVersion.rfind('.') + 1)); } },
        { "params", nullptr, [] { return static_cast<tlogoobject*>(makeEmptyList()); } },
    };
    // clang-format on

    // The row of an option name (any synonym of its "option" entry); error 9 naming it.
    const OptionRow& optionNamed(tlogoobject* name)
    {
        const std::string& text = name->text();
        for (const OptionRow& row : optionRows)
            if (languageDictionary().isSynonymInSection("option", row.name, text))
                return row;
        throw eLogoException(erBadValue, name);
    }

    // A list of option names each followed by its value.
    tlogoobject* primSetOption(tlogoobject*, tlogoobject* settings)
    {
        if (!settings->isList())
            throw eLogoException(erExpectList, settings);
        tLogoList* cell = static_cast<tLogoList*>(settings);
        while (cell && cell->first()) {
            const OptionRow& row = optionNamed(cell->first());
            tLogoList* valueCell = cell->rest();
            if (!valueCell || !valueCell->first())
                throw eLogoException(erBadStructure, cell->first());
            if (!row.set)
                throw eLogoException(erBadValue, cell->first());
            row.set(valueCell->first());
            cell = valueCell->rest();
        }
        return nullptr;
    }

    tlogoobject* primOption(tlogoobject*, tlogoobject* name)
    {
        const OptionRow& row = optionNamed(name);
        if (!row.get)
            throw eLogoException(erBadValue, name);
        return row.get();
    }

} // namespace

void registerOptionPrimitives(tLogoTab& table, tlogoobject* owner)
{
    static constexpr PrimitiveRow rows[] = {
        fixed<1>("setoption", etFun, primSetOption),
        fixed<1>("option", etFun, primOption),
    };
    registerPrimitives(table, owner, rows);
}

} // namespace velmora
