#include "controls/WindowClasses.h"

#include "controls/MainWindowObject.h"
#include "controls/PageObject.h"
#include "controls/WindowPrimitives.h"
#include "core/MainObj.h"
#include "graphics/TurtleClass.h"
#include "objects/AskTable.h"
#include "objects/CreationParameters.h"
#include "objects/ObjectKind.h"
#include "values/ListHelpers.h"
#include "values/ValueFactory.h"

namespace velmora {

namespace {

    constexpr int32_t sizeCode = 5;
    const QSize defaultPageSize(796, 499);
    const QSize defaultWindowSize(820, 540);

    QSize sizeFrom(tlogoobject* value, QSize otherwise)
    {
        if (!value || !value->isList())
            return otherwise;
        const std::vector<tlogoobject*> items = elementsOf(static_cast<tLogoList*>(value));
        if (items.size() != 2)
            throw eLogoException(erBadStructure, value);
        return QSize(items[0]->intInRange(1, 32000), items[1]->intInRange(1, 32000));
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
            ValueRef loaderPairs;
            ValueRef size = creationValue(sizeCode, *object.firstClass(), loaderPairs, parameters);
            auto& page = static_cast<tlogopage&>(object);
            page.build(sizeFrom(size.get(), defaultPageSize), mainWindow->window());
            mainWindow->addPage(page);
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
            ValueRef loaderPairs;
            ValueRef size = creationValue(sizeCode, *object.firstClass(), loaderPairs, parameters);
            static_cast<tSplitwindow&>(object).build(
                sizeFrom(size.get(), defaultWindowSize), "Velmora");
        }
    };

} // namespace

StartingWindow makeStartingWindow(tMainLogoObject& main)
{
    static const PageKind pageKind;
    static const WindowKind windowKind;
    tmultiobject& turtleClass = makeTurtleClass(main);
    tmultiobject& pageClass = makePrototype(main, "page", pageKind);
    registerPagePrimitives(pageClass);
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
    return { mainWindow, page->whoList(), askTableOf(turtle) };
}

} // namespace velmora
