#include "controls/PicturePrimitives.h"

#include "controls/PageObject.h"
#include "graphics/PictureInputs.h"
#include "graphics/RectangleInputs.h"
#include "graphics/SurfacePictures.h"
#include "interpreter/Registration.h"
#include "objects/MultiObject.h"

namespace velmora {

namespace {

    Surface& currentSurface() { return currentSurfaceOwner().surface(); }

    tlogoobject* primTakePicture(tlogoobject*, tlogoobject* rectangle)
    {
        Surface& surface = currentSurface();
        return captureSurface(
            surface, cartesianRectangleFromList(rectangle, surface), captureModeSetting());
    }

    tlogoobject* primPutPicture(tlogoobject*, tlogoobject* image, tlogoobject* options)
    {
        Surface& surface = currentSurface();
        const PictureRef picture = pictureInput(image);
        putPicture(surface, *picture, picturePlacement(options, surface));
        return nullptr;
    }

    constexpr PrimitiveRow rows[] = {
        fixed<1>("takepicture", etFun, primTakePicture),
        fixed<2>("putpicture", etFun, primPutPicture),
    };

} // namespace

void registerPicturePrimitives(tmultiobject& surfaceClass)
{
    registerPrimitives(surfaceClass.procTable(), &surfaceClass, rows);
}

} // namespace velmora
