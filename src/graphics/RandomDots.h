// RandomDots: the places of the dots that "bgdots" scatters over a circle, spread evenly over
// its area: each is drawn from the square around the circle and drawn again until it lies in it.
//
// Called under the interpreter lock, which guards the random source.
#pragma once

#include <QPoint>

#include <cstdint>
#include <vector>

namespace velmora {

// `count` places no farther than |radius| pixels from the centre; none for a count below 1.
std::vector<QPoint> randomDotPlaces(QPoint centre, int32_t count, int32_t radius);

} // namespace velmora
