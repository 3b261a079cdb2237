#include "core/ElapsedTime.h"

#include <chrono>

namespace velmora {

namespace {
    int32_t units = 1000;
}

int32_t unitsPerSecond() { return units; }

void setUnitsPerSecond(int32_t newUnits) { units = newUnits; }

int64_t toElapsedUnits(int64_t milliseconds)
{
    const int64_t perUnit = 1000 / units;
    return (milliseconds + perUnit / 2) / perUnit;
}

int64_t toMilliseconds(int64_t elapsed) { return elapsed * (1000 / units); }

int64_t nowMilliseconds()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

} // namespace velmora
