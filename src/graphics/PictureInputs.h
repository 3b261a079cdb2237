// PictureOptions: where "putpicture" puts a picture on the background, read from its option list
// of keyword and value pairs (the "param" words of the language): the style ("upperleft",
// "center", "tile" or "stretch"), the rectangle in cartesian ("rect") or pixel ("arect") form,
// its top-left corner ("pos", "apos") and size ("size"), and the picture's scale ("scale", one
// number or [x y]). A rectangle without width or height reaches to the right or bottom edge of the
// background; without any option the picture is centred on the whole background, and with others
// but no style it is put at the rectangle's top-left corner.
//
// Read under the interpreter lock.
#pragma once

#include "graphics/LogoPicture.h"
#include "graphics/Surface.h"
#include "values/LogoObject.h"

#include <QPointF>
#include <QRect>

namespace velmora {

enum class PictureStyle : uint8_t { UpperLeft, Centre, Tile, Stretch };

struct PicturePlacement {
    PictureStyle style = PictureStyle::Centre;
    QRect area; // in pixels, normalized
    QPointF scale { 1, 1 };
};

// Error 6 for options that are no list; 8 for an unknown keyword or style, or a keyword without
// its value; the errors of the rectangle, point and number readers for values of the wrong form.
PicturePlacement picturePlacement(tlogoobject* options, const Surface& surface);

// The picture a command is given: the first picture of an image, or of the image loaded by that
// name. Error 7 for anything else, or for an image without pictures.
PictureRef pictureInput(tlogoobject* value);

// How "takepicture" captures (SurfacePictures.h): the main object's "imode", 0 to 3; any other
// value counts as 0.
int32_t captureModeSetting();

// Draws the picture where the placement says, clipped to the background.
void putPicture(Surface& surface, const tLogoPicture& picture, const PicturePlacement& placement);

} // namespace velmora
