// The elapsed-time unit of "wait", "every", "after", "timer", "glide" and "note": 1000, 100 or 10
// units per second (option "ellapseunit"); milliseconds by default. Process-wide, read and set
// under the interpreter lock.
#pragma once

#include <cstdint>

namespace velmora {

int32_t unitsPerSecond();
// 1000, 100 or 10; any other value is refused by the caller.
void setUnitsPerSecond(int32_t units);
// Milliseconds in elapsed-time units, rounded: (ms + 5) / 10 in hundredths, (ms + 50) / 100 in
// tenths.
int64_t toElapsedUnits(int64_t milliseconds);
int64_t toMilliseconds(int64_t units);
// Milliseconds since an arbitrary fixed start, from a monotonic clock.
int64_t nowMilliseconds();

} // namespace velmora
