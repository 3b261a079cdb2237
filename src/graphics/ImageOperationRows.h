// The rows of the image class table, by family, and what the families share.
//
// Images answer the list operations ("first", "item", "fput", "foreach" and the rest) with frames
// in the role of elements: each result that holds frames is a new image carrying the info of the
// image applied to (merged with the other image's for "fput" and "lput"). ImageAccess.cpp reads
// frames, ImageConstruction.cpp builds images from others, ImageProperties.cpp reads and sets the
// pictures' sizes, delays, hot spots, the image info, and rotates and tints. The operations are
// reached only through the main object's dispatchers, which hand the image over as "self".
#pragma once

#include "core/ClassOperationRows.h"
#include "graphics/LogoImage.h"

#include <span>

namespace velmora {

std::span<const PrimitiveRow> imageAccessRows();
std::span<const PrimitiveRow> imageConstructionRows();
std::span<const PrimitiveRow> imagePropertyRows();

inline tLogoImage* image(tlogoobject* self) { return static_cast<tLogoImage*>(self); }

// A new image of those frames with the info of `like`.
inline tLogoImage* imageLike(const tLogoImage& like, std::vector<FrameRef> frames)
{
    return new tLogoImage(std::move(frames), like.info());
}

// What "first", "last", "butfirst", "butlast" and "pick" give for an empty image: error 17 when
// the strictness level is above 0, else an empty image.
tLogoImage* emptyImageAnswer(tLogoImage& empty);

// The frame of x that the member family looks for: its second when it has several (the first
// when it has one). x must not be empty.
const FrameRef& soughtFrame(const tLogoImage& x);

} // namespace velmora
