// The random source of Logo: "random", "any" words, probabilistic truth values.
// Touched only under the interpreter lock.
#pragma once

#include <cstdint>

namespace velmora {

// Uniform in [0, 1).
double randomUnit();
// Uniform integer from low to high inclusive.
int32_t randomInRange(int32_t low, int32_t high);
// Restarts the source from a seed, so that a run of a program can be repeated exactly (the
// fuzzers seed it before every run).
void seedRandom(uint64_t seed);

} // namespace velmora
