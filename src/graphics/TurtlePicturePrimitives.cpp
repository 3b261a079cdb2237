#include "graphics/TurtlePicturePrimitives.h"

#include "graphics/PictureInputs.h"
#include "graphics/SizeInput.h"
#include "graphics/SurfacePictures.h"
#include "graphics/Turtle.h"
#include "interpreter/Registration.h"
#include "objects/MultiObject.h"

namespace velmora {

namespace {

    tlogoobject* primStampPicture(tlogoobject*, tlogoobject* value)
    {
        tTurtle& turtle = tTurtle::current();
        const PictureRef picture = pictureInput(value);
        const QPoint corner = turtle.position().rounded() - picture->hotSpot();
        drawPicture(turtle.surface(), *picture, QRect(corner, picture->image().size()));
        return nullptr;
    }

    // The image's top-left corner is its hot spot and lies on the turtle, so that stamping it
    // back at the same place puts every pixel where it was.
    tlogoobject* primGetImage(tlogoobject*, tlogoobject* size)
    {
        tTurtle& turtle = tTurtle::current();
        const QRect area(turtle.position().rounded(), sizeFromList(size));
        return captureSurface(turtle.surface(), area,
            captureModeSetting() | capture::hotSpotAtCorner | capture::emptyStaysEmpty);
    }

    constexpr PrimitiveRow rows[] = {
        fixed<1>("stamppicture", etFun, primStampPicture),
        fixed<1>("getimage", etFun, primGetImage),
    };

} // namespace

void registerTurtlePicturePrimitives(tmultiobject& prototype)
{
    registerPrimitives(prototype.procTable(), &prototype, rows);
}

} // namespace velmora
