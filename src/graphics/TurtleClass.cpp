#include "graphics/TurtleClass.h"

#include "graphics/SurfaceOwner.h"
#include "graphics/Turtle.h"
#include "graphics/TurtlePositions.h"
#include "graphics/TurtlePrimitives.h"
#include "objects/AskTable.h"
#include "objects/ContainerObject.h"
#include "objects/CreationParameters.h"
#include "objects/ObjectKind.h"
#include "values/ValueFactory.h"

namespace velmora {

namespace {

    constexpr int32_t positionCode = 4;
    constexpr int32_t shownCode = 10;
    constexpr int32_t headingCode = 40;

    class TurtleKind final : public ObjectKind {
    public:
        tControlObject* makeInstance(tmultiobject* objectClass, std::string name) const override
        {
            return new tTurtle(objectClass, std::move(name));
        }

        // A turtle starts at the position and heading it is given, else at the origin facing
        // north, shown unless told otherwise.
        void create(tControlObject& object, InitListScope& parameters) const override
        {
            auto* owner = dynamic_cast<SurfaceOwner*>(object.place());
            if (!owner)
                throw eLogoException(erInvalidPlace);
            Surface& surface = owner->surface();
            auto& turtle = static_cast<tTurtle&>(object);
            tmultiobject& turtleClass = *object.firstClass();
            ValueRef loaderPairs;
            PixelPoint start { LogoReal(surface.origin().x()), LogoReal(surface.origin().y()) };
            if (ValueRef given = creationValue(positionCode, turtleClass, loaderPairs, parameters))
                start = positionFromList(given.get(), surface);
            LogoReal heading = 0;
            if (ValueRef given = creationValue(headingCode, turtleClass, loaderPairs, parameters))
                heading = given->asReal();
            if (ValueRef given = creationValue(shownCode, turtleClass, loaderPairs, parameters))
                turtle.setShown(given->asBool());
            turtle.placeOn(surface, start, heading);
        }
    };

} // namespace

tmultiobject& makeTurtleClass(tcontainerobject& container)
{
    static const TurtleKind kind;
    tmultiobject& prototype = makePrototype(container, "turtle", kind);
    registerTurtlePrimitives(prototype);
    giveAskTable(prototype);
    return prototype;
}

} // namespace velmora
