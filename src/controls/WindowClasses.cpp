#include "controls/WindowClasses.h"

#include "controls/MainWindowObject.h"
#include "controls/MainWindowProperties.h"
#include "controls/PageObject.h"
#include "controls/PaneObject.h"
#include "controls/PanePrimitives.h"
#include "controls/WindowPrimitives.h"
#include "core/MainObj.h"
#include "graphics/ImageOperations.h"
#include "graphics/PenInputs.h"
#include "graphics/SizeInput.h"
#include "graphics/TurtleClass.h"
#include "graphics/TurtlePositions.h"
#include "localization/LanguageDictionary.h"
#include "localization/NameCodes.h"
#include "objects/AskTable.h"
#include "objects/CreationParameters.h"
#include "objects/ObjectKind.h"
#include "processes/lThread.h"
#include "values/ValueFactory.h"

namespace velmora {

namespace {

    constexpr int32_t absolutePositionCode = 1;
    constexpr int32_t positionCode = 4;
    constexpr int32_t sizeCode = 5;
    constexpr int32_t backgroundColourCode = 39;
    const QSize defaultPageSize(796, 499);
    const QSize defaultPaneSize(100, 100);
    const QSize defaultWindowSize(820, 540);
    const char* const applicationTitle = "Velmora";

    QSize sizeFrom(tlogoobject* value, QSize otherwise)
    {
        return value && value->isList() ? sizeFromList(value) : otherwise;
    }

    class PageKind final : public ObjectKind {
    public:
        tControlObject* makeInstance(tmultiobject* objectClass, std::string name) const override
        {
            return new tlogopage(objectClass, std::move(name));
        }

        void create(tControlObject& object, InitListScope& parameters) const override
        {
            tSplitwindow* mainWindow = tSplitwindow::instance();
            if (!mainWindow)
                throw eLogoException(erInvalidPlace);
            ValueRef size = creationValue(sizeCode, object, parameters);
            auto& page = static_cast<tlogopage&>(object);
            page.build(sizeFrom(size.get(), defaultPageSize), mainWindow->window());
            mainWindow->addPage(page);
        }
    };

    // The value of the class's variable of that internal name (dictionary section "name").
    tlogoobject* classVariable(tmultiobject& objectClass, const char* internalName)
    {
        tLogoVarDesc* variable = objectClass.findVariable(
            NameCodes::instance().intern(languageDictionary().firstWord("name", internalName)));
        return variable ? variable->value() : nullptr;
    }

    // A colour given when the pane is made wins. Otherwise a class can give its panes a colour
    // with "bgcolour1", and with "bgcolour2" one for the pages whose colour is that one, so that
    // its panes stand out on every page.
    QRgb paneBackground(tmultiobject& paneClass, const Surface& page, tlogoobject* given)
    {
        if (given)
            return colourInput(given);
        tlogoobject* first = classVariable(paneClass, "bgcolour1");
        if (first && colourInput(first) != page.background())
            return colourInput(first);
        tlogoobject* second = first ? classVariable(paneClass, "bgcolour2") : nullptr;
        return second ? colourInput(second) : newSurfaceBackground;
    }

    class PaneKind final : public ObjectKind {
    public:
        tControlObject* makeInstance(tmultiobject* objectClass, std::string name) const override
        {
            return new tlogopane(objectClass, std::move(name));
        }

        // The top-left corner is given in pixels of the page ("aPos") or as a point of its
        // cartesian coordinates ("pos"); without either the pane lies at the page's corner.
        void create(tControlObject& object, InitListScope& parameters) const override
        {
            auto* page = dynamic_cast<tlogopage*>(object.place());
            if (!page)
                throw eLogoException(erInvalidParent);
            tmultiobject& paneClass = *object.firstClass();
            auto value = [&](int32_t code) { return creationValue(code, object, parameters); };
            const ValueRef pixels = value(absolutePositionCode);
            const ValueRef point = value(positionCode);
            QPoint corner;
            if (pixels)
                corner = absolutePositionFromList(pixels.get(), page->surface()).rounded();
            else if (point)
                corner = positionFromList(point.get(), page->surface()).rounded();
            const QSize size = sizeFrom(value(sizeCode).get(), defaultPaneSize);
            const ValueRef colour = value(backgroundColourCode);
            static_cast<tlogopane&>(object).build(QRect(corner, size),
                paneBackground(paneClass, page->surface(), colour.get()), page->window());
        }
    };

    class WindowKind final : public ObjectKind {
    public:
        tControlObject* makeInstance(tmultiobject* objectClass, std::string name) const override
        {
            return new tSplitwindow(objectClass, std::move(name));
        }

        void create(tControlObject& object, InitListScope& parameters) const override
        {
            ValueRef size = creationValue(sizeCode, object, parameters);
            auto& window = static_cast<tSplitwindow&>(object);
            window.build(sizeFrom(size.get(), defaultWindowSize), applicationTitle);
            registerMainWindowOwnProperties(window);
        }
    };

} // namespace

tSplitwindow& makeStartingWindow(tMainLogoObject& main, ProcessStart& commandLine)
{
    static const PageKind pageKind;
    static const WindowKind windowKind;
    static const PaneKind paneKind;
    startImages(main);
    tmultiobject& turtleClass = makeTurtleClass(main);
    tmultiobject& pageClass = makePrototype(main, "page", pageKind);
    registerPagePrimitives(pageClass);
    registerPanePrimitives(makePrototype(main, "pane", paneKind));
    tmultiobject& windowClass = makePrototype(main, "mainwindow", windowKind);
    registerMainWindowPrimitives(windowClass);

    ValueRef noPairs(makeEmptyList());
    auto make = [&](tcontainerobject& container, tmultiobject& objectClass) {
        ValueRef className(makeWord(objectClass.name()));
        return container.newObject(className.get(), noPairs.get(), CreationForm::New);
    };
    auto* mainWindow = static_cast<tSplitwindow*>(make(main, windowClass));
    mainWindow->pageKind = &pageKind;
    auto* page = static_cast<tlogopage*>(make(*mainWindow, pageClass));
    tmultiobject* turtle = make(*page, turtleClass);
    page->adopt(turtle);
    commandLine.owner = mainWindow;
    commandLine.whoList = page->whoList();
    commandLine.table = askTableOf(turtle);
    return *mainWindow;
}

} // namespace velmora
