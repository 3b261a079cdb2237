#include "controls/WindowPrimitives.h"

#include "controls/BackgroundPrimitives.h"
#include "controls/MainWindowObject.h"
#include "controls/MainWindowProperties.h"
#include "controls/MakeTurtle.h"
#include "controls/PageObject.h"
#include "controls/PicturePrimitives.h"
#include "controls/ScreenPointPrimitives.h"
#include "controls/TurtleListPrimitives.h"
#include "controls/WindowCommandPrimitives.h"
#include "graphics/PenInputs.h"
#include "graphics/PointLists.h"
#include "graphics/TurtlePositions.h"
#include "interpreter/Registration.h"
#include "localization/EventCodes.h"
#include "localization/LanguageDictionary.h"
#include "localization/NameCodes.h"
#include "objects/EventRaising.h"
#include "objects/PropertyRegistration.h"
#include "objects/RunningObject.h"
#include "values/ListHelpers.h"
#include "values/ValueFactory.h"

namespace velmora {

namespace {

    // Surface commands.

    tlogoobject* primClearScreen(tlogoobject*)
    {
        currentSurfaceOwner().clearScreen();
        return nullptr;
    }

    tlogoobject* primCleanBackground(tlogoobject*)
    {
        SurfaceOwner& owner = currentSurfaceOwner();
        owner.surface().clean();
        startEventProcess(
            dynamic_cast<tmultiobject&>(owner), EventCodes::instance().eventCode("onClean"));
        return nullptr;
    }

    tlogoobject* primBackgroundColour(tlogoobject*)
    {
        return colourOutput(currentSurfaceOwner().surface().background());
    }

    tlogoobject* primSetBackgroundColour(tlogoobject*, tlogoobject* colour)
    {
        currentSurfaceOwner().surface().setBackground(colourInput(colour));
        return nullptr;
    }

    tlogoobject* primUpperLeft(tlogoobject*)
    {
        const QPoint origin = currentSurfaceOwner().surface().origin();
        return pointList(-origin.x(), origin.y());
    }

    // Where the mouse is over the page or pane, in its coordinates.
    tlogoobject* primMousePosition(tlogoobject*)
    {
        const Surface& surface = currentSurfaceOwner().surface();
        return pointList(surface.toCartesian(surface.mousePosition()));
    }

    tlogoobject* primDotColourAt(tlogoobject*, tlogoobject* point)
    {
        const Surface& surface = currentSurfaceOwner().surface();
        return colourOutput(surface.pixelAt(positionFromList(point, surface).rounded()));
    }

    bool derivesFrom(const tmultiobject& object, const tmultiobject& wanted)
    {
        for (const tmultiobject* parent = object.firstClass(); parent;
             parent = parent->firstClass())
            if (parent == &wanted)
                return true;
        return false;
    }

    // The instances on the page that derive from the class through their first parents, in the
    // order they were made.
    tlogoobject* primAllOf(tlogoobject*, tlogoobject* className)
    {
        const tmultiobject& wanted = objectNamed(className);
        ListBuilder names;
        currentPage().objectTable().forEachInOrder([&](tTabDesc* entry) {
            const auto* object = static_cast<tmultiobject*>(entry->value());
            if (object->isInstance && derivesFrom(*object, wanted))
                names.append(ValueRef(makeWord(object->name())).get());
        });
        return names.finish();
    }

    // Pages.

    // A name already in the main window's table is error 116.
    tlogoobject* primNewPage(tlogoobject*, tLogoStack& stack, int32_t inputCount, CallForm)
    {
        if (inputCount > 1)
            throw eLogoException(erTooManyInputs);
        ValueRef name = inputCount == 1 ? stack.pop() : ValueRef();
        tSplitwindow& window = mainWindow();
        ListBuilder pairs;
        if (name) {
            if (window.tableEntry(name->nameCode()))
                throw eLogoException(erNameExist, name.get());
            pairs.append(ValueRef(makeWord("name")).get());
            pairs.append(name.get());
        }
        ValueRef pairList(pairs.finish());
        ValueRef pageClass(makeWord(languageDictionary().firstWord("class", "page")));
        window.newObject(pageClass.get(), pairList.get(), CreationForm::New);
        return nullptr;
    }

    tlogoobject* primShowPage(tlogoobject*, tlogoobject* name)
    {
        mainWindow().showPage(mainWindow().existingPage(name));
        return nullptr;
    }

    // The only page stays, before anything of it goes.
    tlogoobject* primErasePage(tlogoobject*, tlogoobject* name)
    {
        mainWindow().existingPage(name);
        if (mainWindow().pages().size() == 1)
            throw eLogoException(erEraseOnlyPage);
        mainWindow().eraseObject(name, EraseMode::RefuseClasses);
        return nullptr;
    }

    tlogoobject* primNamePage(tlogoobject*, tlogoobject* name)
    {
        tSplitwindow& window = mainWindow();
        if (!window.currentPage())
            throw eLogoException(erNoCurPage);
        window.renameEntry(window.currentPage(), name->text());
        window.pageListChanged();
        return nullptr;
    }

    tlogoobject* primPageList(tlogoobject*)
    {
        ListBuilder names;
        for (tlogopage* page : mainWindow().pages())
            names.append(ValueRef(makeWord(page->name())).get());
        return names.finish();
    }

    // The page's who list: one name as a word, several as a list.
    tlogoobject* getPageWho(tmultiobject& object)
    {
        const InterpreterState::WhoList who = static_cast<tlogopage&>(object).whoList();
        if (who.size() == 1)
            return makeWord(who.front()->printForm(false));
        ListBuilder names;
        for (tlogoobject* member : who)
            names.append(ValueRef(makeWord(member->printForm(false))).get());
        return names.finish();
    }

    // A name or a list of names of objects the page reaches (error 50 for one it does not).
    void setPageWho(tmultiobject& object, tlogoobject* value)
    {
        auto& page = static_cast<tlogopage&>(object);
        const std::vector<tlogoobject*> names = value->isList()
            ? elementsOf(static_cast<tLogoList*>(value))
            : std::vector<tlogoobject*> { value };
        InterpreterState::WhoList who;
        for (tlogoobject* name : names) {
            tlogoobject* member = page.findObject(name->nameCode());
            if (!member)
                throw eLogoException(erNoObject, name);
            who.push_back(member);
        }
        page.setWhoList(who);
    }

    constexpr int32_t pageWhoCode = 38;

    constexpr PrimitiveRow surfaceRows[] = {
        fixed<0>("clearscreen", etFun, primClearScreen),
        fixed<0>("cleanbgpicture", etFun, primCleanBackground),
        fixed<0>("*bgColour", etFun, primBackgroundColour),
        fixed<1>("set*bgColour", etFun, primSetBackgroundColour),
        fixed<0>("upperleft", etFun, primUpperLeft),
        fixed<1>("dotcolourat", etFun, primDotColourAt),
        fixed<0>("mousepos", etFun, primMousePosition),
        fixed<1>("allof_page", etFun, primAllOf),
    };

    constexpr PrimitiveRow pageRows[] = {
        variable("newpage", etFun, 1, primNewPage),
        fixed<1>("showpage", etFun, primShowPage),
        fixed<1>("erasepage", etFun, primErasePage),
        fixed<1>("namepage", etFun, primNamePage),
        fixed<0>("pagelist", etFun, primPageList),
        variable("maketurtle", etFun, 2, primMakeTurtle),
    };

} // namespace

void registerSurfacePrimitives(tmultiobject& surfaceClass)
{
    registerPrimitives(surfaceClass.procTable(), &surfaceClass, surfaceRows);
    registerBackgroundPrimitives(surfaceClass);
    registerPicturePrimitives(surfaceClass);
    registerTurtleListPrimitives(surfaceClass);
    registerScreenPointPrimitives(surfaceClass);
}

void registerPagePrimitives(tmultiobject& pageClass)
{
    registerMethodProperty(pageClass,
        { .code = pageWhoCode, .getter = getPageWho, .setter = setPageWho },
        PropertyBinding::Instances);
    registerSurfacePrimitives(pageClass);
    registerPagePrinting(pageClass);
}

void registerMainWindowPrimitives(tmultiobject& windowClass)
{
    registerSurfacePrimitives(windowClass);
    registerPrimitives(windowClass.procTable(), &windowClass, pageRows);
    registerWindowBackgroundPrimitives(windowClass);
    registerWindowCommands(windowClass);
    registerMainWindowClassProperties(windowClass);
}

} // namespace velmora
