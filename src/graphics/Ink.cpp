#include "graphics/Ink.h"

namespace velmora {

namespace {

    constexpr QRgb inverting = qRgb(255, 255, 255);

} // namespace

QRgb Ink::pen(QRgb colour) const
{
    switch (mode) {
    case PenMode::Reverse:
        return inverting;
    case PenMode::Erase:
        return background;
    case PenMode::Up:
    case PenMode::Down:
        break;
    }
    return colour;
}

QRgb Ink::brush(QRgb colour) const { return mode == PenMode::Reverse ? inverting : colour; }

QPainter::CompositionMode Ink::composition() const
{
    return mode == PenMode::Reverse ? QPainter::RasterOp_SourceXorDestination
                                    : QPainter::CompositionMode_SourceOver;
}

} // namespace velmora
