#include "graphics/TurtleClass.h"

#include "graphics/SurfaceOwner.h"
#include "graphics/Turtle.h"
#include "graphics/TurtleDrawingPrimitives.h"
#include "graphics/TurtleGlide.h"
#include "graphics/TurtlePicturePrimitives.h"
#include "graphics/TurtlePositions.h"
#include "graphics/TurtlePrimitives.h"
#include "graphics/TurtlePropertyCodes.h"
#include "graphics/TurtleShapePrimitives.h"
#include "graphics/TurtleShapeProperties.h"
#include "objects/AskTable.h"
#include "objects/ContainerObject.h"
#include "objects/CreationParameters.h"
#include "objects/ObjectKind.h"
#include "values/ValueFactory.h"

namespace velmora {

namespace {

    class TurtleKind final : public ObjectKind {
    public:
        tControlObject* makeInstance(tmultiobject* objectClass, std::string name) const override
        {
            return new tTurtle(objectClass, std::move(name));
        }

        // A turtle starts at the position (cartesian, else in pixels) and heading it is given,
        // else at the origin facing north, shown unless told otherwise.
        void create(tControlObject& object, InitListScope& parameters) const override
        {
            auto* owner = dynamic_cast<SurfaceOwner*>(object.place());
            if (!owner)
                throw eLogoException(erInvalidPlace);
            Surface& surface = owner->surface();
            auto& turtle = static_cast<tTurtle&>(object);
            PixelPoint start = pixelOf(0, 0, surface);
            const ValueRef position = creationValue(turtleProperty::position, object, parameters);
            const ValueRef pixels
                = creationValue(turtleProperty::absolutePosition, object, parameters);
            if (position)
                start = positionFromList(position.get(), surface);
            else if (pixels)
                start = absolutePositionFromList(pixels.get(), surface);
            LogoReal heading = 0;
            if (ValueRef given = creationValue(turtleProperty::heading, object, parameters))
                heading = given->asReal();
            if (ValueRef given = creationValue(turtleProperty::shown, object, parameters))
                turtle.setShown(given->asBool());
            turtle.placeOn(surface, start, heading);
        }
    };

    const TurtleKind turtleKind;

} // namespace

tmultiobject& makeTurtleClass(tcontainerobject& container)
{
    tmultiobject& prototype = makePrototype(container, "turtle", turtleKind);
    registerTurtlePrimitives(prototype);
    registerTurtleShapeProperties(prototype);
    registerTurtleShapePrimitives(prototype);
    registerTurtleDrawingPrimitives(prototype);
    registerTurtlePicturePrimitives(prototype);
    registerTurtleGlide(prototype);
    giveAskTable(prototype);
    return prototype;
}

bool makesTurtles(const tmultiobject& objectClass)
{
    return objectClass.instanceKind == &turtleKind;
}

} // namespace velmora
