// Images built in code for the tests of images: bitmaps whose every pixel has a colour of its own,
// so that a picture moved, turned or copied shows where each pixel went.
#pragma once

#include "graphics/LogoImage.h"

#include <QImage>

#include <vector>

namespace velmora {

// Pixel (x, y) is (10 + x, 20 + y, seed): distinct within a picture and between seeds.
inline QImage patternImage(QSize size, int seed)
{
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, qRgb(10 + x, 20 + y, seed & 255));
    return image;
}

inline PictureRef patternPicture(QSize size, int seed, QPoint hotSpot = {}, int delay = 0)
{
    return makePicture(patternImage(size, seed), {}, hotSpot, delay);
}

// An image of `frameCount` frames of `picturesPerFrame` pictures each, all different.
inline tLogoImage* patternImageValue(int frameCount, int picturesPerFrame, ImageInfo info = {})
{
    std::vector<FrameRef> frames;
    for (int f = 0; f < frameCount; ++f) {
        std::vector<PictureRef> pictures;
        for (int p = 0; p < picturesPerFrame; ++p)
            pictures.push_back(patternPicture({ 3 + f, 2 + p }, 16 * f + p, { 1, 1 }, 10 * p));
        frames.push_back(makeFrame(std::move(pictures)));
    }
    return new tLogoImage(std::move(frames), info);
}

} // namespace velmora
