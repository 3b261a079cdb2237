#include "graphics/RandomDots.h"

#include "values/Random.h"

#include <cstdlib>

namespace velmora {

namespace {

    QPoint randomOffsetInCircle(int32_t radius)
    {
        const int64_t limit = int64_t(radius) * radius;
        while (true) {
            const int64_t x = randomInRange(-radius, radius);
            const int64_t y = randomInRange(-radius, radius);
            if (x * x + y * y <= limit)
                return QPoint(int(x), int(y));
        }
    }

} // namespace

std::vector<QPoint> randomDotPlaces(QPoint centre, int32_t count, int32_t radius)
{
    std::vector<QPoint> places;
    for (int32_t made = 0; made < count; ++made)
        places.push_back(centre + randomOffsetInCircle(std::abs(radius)));
    return places;
}

} // namespace velmora
