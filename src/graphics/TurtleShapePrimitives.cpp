#include "graphics/TurtleShapePrimitives.h"

#include "graphics/Turtle.h"
#include "graphics/TurtleOverlap.h"
#include "graphics/TurtleRanges.h"
#include "interpreter/Registration.h"
#include "objects/MultiObject.h"
#include "values/ListHelpers.h"
#include "values/ValueFactory.h"

#include <vector>

namespace velmora {

namespace {

    tTurtle& turtle() { return tTurtle::current(); }

    struct NamedTurtle {
        tlogoobject* name;
        tTurtle* turtle;
    };

    // A word, or a list of words, each naming a turtle: error 8 for an item that is no word, 71
    // for a word that names no turtle.
    std::vector<NamedTurtle> namedTurtles(tlogoobject* names, tTurtle& asking)
    {
        std::vector<tlogoobject*> words { names };
        if (names->isList())
            words = elementsOf(static_cast<tLogoList*>(names));
        std::vector<NamedTurtle> found;
        for (tlogoobject* word : words) {
            if (!word->isWord())
                throw eLogoException(erExpectWord, word);
            auto* named = dynamic_cast<tTurtle*>(asking.findObject(word->nameCode()));
            if (!named)
                throw eLogoException(erTurtleUnknown, word);
            found.push_back({ word, named });
        }
        return found;
    }

    bool primOverlaps(tlogoobject*, tlogoobject* names)
    {
        tTurtle& t = turtle();
        const OverlapTest test = overlapTestInForce();
        for (const NamedTurtle& other : namedTurtles(names, t))
            if (t.overlaps(*other.turtle, test))
                return true;
        return false;
    }

    tlogoobject* primOverlapList(tlogoobject*, tlogoobject* names)
    {
        tTurtle& t = turtle();
        const OverlapTest test = overlapTestInForce();
        ListBuilder overlapping;
        for (const NamedTurtle& other : namedTurtles(names, t))
            if (t.overlaps(*other.turtle, test))
                overlapping.append(other.name);
        return overlapping.finish();
    }

    // In the painting order of the surface, the bottom one first.
    tlogoobject* primOverlapped(tlogoobject*)
    {
        tTurtle& t = turtle();
        const OverlapTest test = overlapTestInForce();
        ListBuilder overlapping;
        for (tTurtle* other : t.surface().itemsOfType<tTurtle>())
            if (t.overlaps(*other, test))
                overlapping.append(ValueRef(makeWord(other->name())).get());
        return overlapping.finish();
    }

    // The empty range is the whole surface.
    PixelRange rangeInput(tlogoobject* range, const Surface& surface)
    {
        return rangeFromList(range, surface).value_or(PixelRange::ofPane(surface.size()));
    }

    bool primInside(tlogoobject*, tlogoobject* range)
    {
        tTurtle& t = turtle();
        return shapeTouchesRange(t.shapeRectangle(), rangeInput(range, t.surface()));
    }

    bool primOutside(tlogoobject*, tlogoobject* range)
    {
        tTurtle& t = turtle();
        return shapeLeavesRange(t.shapeRectangle(), rangeInput(range, t.surface()));
    }

    tlogoobject* primShapeRectangle(tlogoobject*)
    {
        tTurtle& t = turtle();
        const QRect shape = t.shapeRectangle();
        return rangeToList(PixelRange { LogoReal(shape.left()), LogoReal(shape.right()),
                               LogoReal(shape.top()), LogoReal(shape.bottom()) },
            t.surface());
    }

    tlogoobject* primToFront(tlogoobject*)
    {
        turtle().toFront();
        return nullptr;
    }

    tlogoobject* primToBack(tlogoobject*)
    {
        turtle().toBack();
        return nullptr;
    }

    constexpr PrimitiveRow rows[] = {
        predicate<1>("overlap?", etFun, primOverlaps),
        fixed<1>("overlaplist", etFun, primOverlapList),
        fixed<0>("overlapped", etFun, primOverlapped),
        predicate<1>("inside?", etFun, primInside),
        predicate<1>("outside?", etFun, primOutside),
        fixed<0>("shaperectangle", etFun, primShapeRectangle),
        fixed<0>("toFront", etFun, primToFront),
        fixed<0>("toBack", etFun, primToBack),
    };

} // namespace

void registerTurtleShapePrimitives(tmultiobject& prototype)
{
    registerPrimitives(prototype.procTable(), &prototype, rows);
}

} // namespace velmora
