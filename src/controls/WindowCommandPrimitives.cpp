#include "controls/WindowCommandPrimitives.h"

#include "controls/MainWindowObject.h"
#include "controls/MenuList.h"
#include "interpreter/Commander.h"
#include "interpreter/InterpreterState.h"
#include "interpreter/Registration.h"
#include "objects/RunningObject.h"
#include "values/ListHelpers.h"
#include "values/ValueFactory.h"

namespace velmora {

namespace {

    // The menu's entries run as the object that set it.
    tlogoobject* primSetMenu(tlogoobject*, tlogoobject* menu)
    {
        mainWindow().setMenu(readMenuList(menu), runningObject());
        return nullptr;
    }

    // The player's window keeps its size and its one screen layout: these are accepted and
    // change nothing.
    template <typename... Inputs> tlogoobject* primAccepted(tlogoobject*, Inputs...)
    {
        return nullptr;
    }

    // There is no turtle speed to set: it reads as 0.
    tlogoobject* primTurtleSpeed(tlogoobject*) { return makeInteger(0); }

    // The running process's printed text, where its commander keeps it.
    tlogoobject* primClearText(tlogoobject*)
    {
        if (Icommander* commander = InterpreterState::current()->commander)
            commander->clearText();
        return nullptr;
    }

    template <typename... Inputs> tlogoobject* primNoPrinter(tlogoobject*, Inputs...)
    {
        throw eLogoException(erNoPrint);
    }

    using Input = tlogoobject*;

    constexpr PrimitiveRow windowRows[] = {
        fixed<1>("setmenu", etFun, primSetMenu),
        fixed<2>(".setmenucheck", etFun, primAccepted<Input, Input>),
        fixed<0>("maximize", etFun, primAccepted<>),
        fixed<0>("minimize", etFun, primAccepted<>),
        fixed<0>("restore", etFun, primAccepted<>),
        fixed<0>("fullscreen", etFun, primAccepted<>),
        fixed<1>("setlogosize", etFun, primAccepted<Input>),
        fixed<0>("showspeedbar", etFun, primAccepted<>),
        fixed<0>("hidespeedbar", etFun, primAccepted<>),
        fixed<0>("splitscreen", etFun, primAccepted<>),
        fixed<0>("graphicscreen", etFun, primAccepted<>),
        fixed<0>("textscreen", etFun, primAccepted<>),
        fixed<1>("setts", etFun, primAccepted<Input>),
        fixed<0>("getts", etFun, primTurtleSpeed),
        fixed<0>("cleartext", etFun, primClearText),
        fixed<0>("printtext", etFun, primNoPrinter<>),
        fixed<1>("printgraphics", etFun, primNoPrinter<Input>),
    };

    constexpr PrimitiveRow pageRows[] = {
        fixed<0>("printme", etFun, primNoPrinter<>),
    };

} // namespace

void registerWindowCommands(tmultiobject& windowClass)
{
    registerPrimitives(windowClass.procTable(), &windowClass, windowRows);
}

void registerPagePrinting(tmultiobject& pageClass)
{
    registerPrimitives(pageClass.procTable(), &pageClass, pageRows);
}

} // namespace velmora
