#include "controls/MakeTurtle.h"

#include "controls/MainWindowObject.h"
#include "controls/PageObject.h"
#include "graphics/Turtle.h"
#include "graphics/TurtlePositions.h"
#include "graphics/TurtleWords.h"
#include "localization/LanguageDictionary.h"
#include "localization/NameTranslation.h"
#include "values/ListHelpers.h"
#include "values/ValueFactory.h"

#include <optional>

namespace velmora {

namespace {

    // What the list asks for; what it leaves out stays as it is (or as a new turtle starts).
    struct TurtleSettings {
        LogoReal coordinates[3] = { 0, 0, 0 };
        std::optional<PenMode> pen;
        std::optional<bool> shown;
        bool frameMode = false;
        ValueRef shape;
    };

    TurtleSettings readSettings(tlogoobject* list)
    {
        TurtleSettings settings;
        if (!list)
            return settings;
        if (!list->isList())
            throw eLogoException(erExpectList, list);
        size_t numbers = 0;
        for (tlogoobject* item : elementsOf(static_cast<tLogoList*>(list))) {
            if (numbers < 3 && item->isNumber()) {
                settings.coordinates[numbers++] = item->asReal();
                continue;
            }
            numbers = 3;
            if (!item->isWord())
                throw eLogoException(erBadValue, item);
            const std::string& text = item->text();
            if (!text.empty() && (text.front() == ':' || text.front() == '"')) {
                settings.shape = item;
                continue;
            }
            const NameCode word = item->nameCode();
            if (const std::optional<PenMode> pen = penModeNamed(item))
                settings.pen = pen;
            else if (isSpellingOf(word, "showturtle") || isSpellingOf(word, "hideturtle"))
                settings.shown = isSpellingOf(word, "showturtle");
            else if (isSpellingOf(word, "frameMode"))
                settings.frameMode = true;
            else
                throw eLogoException(erBadValue, item);
        }
        return settings;
    }

    void apply(tTurtle& turtle, const TurtleSettings& settings)
    {
        turtle.setHeading(settings.coordinates[2]);
        turtle.moveTo(pixelOf(settings.coordinates[0], settings.coordinates[1], turtle.surface()),
            { RangeStyle::Window, false, true });
        if (settings.pen)
            turtle.setPenMode(*settings.pen);
    }

} // namespace

tlogoobject* primMakeTurtle(tlogoobject*, tLogoStack& stack, int32_t inputCount, CallForm)
{
    if (inputCount > 2)
        throw eLogoException(erTooManyInputs);
    ValueRef list = inputCount == 2 ? stack.pop() : ValueRef();
    ValueRef name = stack.pop();
    const TurtleSettings settings = readSettings(list.get());
    tSplitwindow* mainWindow = tSplitwindow::instance();
    if (!mainWindow || !mainWindow->currentPage())
        throw eLogoException(erNoPageCreateObj);
    tlogopage& page = *mainWindow->currentPage();
    if (tlogoobject* existing = mainWindow->findObject(name->nameCode())) {
        auto* turtle = dynamic_cast<tTurtle*>(existing);
        if (!turtle)
            throw eLogoException(erTurtleName, name.get());
        apply(*turtle, settings);
        if (settings.shown)
            turtle->setShown(*settings.shown);
        return nullptr;
    }
    ListBuilder pairs;
    pairs.append(ValueRef(makeWord("name")).get());
    pairs.append(name.get());
    ValueRef turtleClass(makeWord(languageDictionary().firstWord("class", "turtle")));
    ValueRef pairList(pairs.finish());
    auto* turtle = static_cast<tTurtle*>(
        page.newObject(turtleClass.get(), pairList.get(), CreationForm::New));
    apply(*turtle, settings);
    turtle->setShown(settings.shown.value_or(false));
    return nullptr;
}

} // namespace velmora
