#include "controls/TurtleListPrimitives.h"

#include "controls/PageObject.h"
#include "graphics/Turtle.h"
#include "graphics/TurtlePositions.h"
#include "interpreter/Registration.h"
#include "localization/NameCodes.h"
#include "values/ListHelpers.h"
#include "values/ValueFactory.h"

#include <algorithm>

namespace velmora {

namespace {

    std::vector<tTurtle*> turtlesOfSurface()
    {
        return currentSurfaceOwner().surface().itemsOfType<tTurtle>();
    }

    tlogoobject* namesOf(const std::vector<tTurtle*>& turtles)
    {
        ListBuilder names;
        for (const tTurtle* turtle : turtles)
            names.append(ValueRef(makeWord(turtle->name())).get());
        return names.finish();
    }

    tlogoobject* primAllTurtles(tlogoobject*) { return namesOf(turtlesOfSurface()); }

    // The turtles named come last in the painting order, in the order given, so the last is on
    // top; the others keep theirs beneath. Error 71 for a name of no turtle here.
    tlogoobject* primReorder(tlogoobject*, tlogoobject* names)
    {
        if (!names->isList())
            throw eLogoException(erExpectList, names);
        const std::vector<tTurtle*> turtles = turtlesOfSurface();
        std::vector<tTurtle*> order;
        for (tlogoobject* name : elementsOf(static_cast<tLogoList*>(names))) {
            const auto named
                = std::find_if(turtles.begin(), turtles.end(), [name](tTurtle* turtle) {
                      return name->isWord()
                          && NameCodes::instance().intern(turtle->name()) == name->nameCode();
                  });
            if (named == turtles.end())
                throw eLogoException(erTurtleUnknown, name);
            order.push_back(*named);
        }
        for (tTurtle* turtle : order)
            turtle->toFront();
        return nullptr;
    }

    tlogoobject* primOverlappedPosition(tlogoobject*, tlogoobject* point)
    {
        const QPoint pixel = positionFromList(point, currentSurfaceOwner().surface()).rounded();
        std::vector<tTurtle*> covering;
        for (tTurtle* turtle : turtlesOfSurface())
            if (turtle->covers(pixel))
                covering.push_back(turtle);
        return namesOf(covering);
    }

    constexpr PrimitiveRow rows[] = {
        fixed<0>("allturtles", etFun, primAllTurtles),
        fixed<1>("reorder", etFun, primReorder),
        fixed<1>("overlappedpos", etFun, primOverlappedPosition),
    };

} // namespace

void registerTurtleListPrimitives(tmultiobject& surfaceClass)
{
    registerPrimitives(surfaceClass.procTable(), &surfaceClass, rows);
}

} // namespace velmora
