#include "values/Random.h"

#include <random>

namespace velmora {

namespace {
    std::mt19937_64& generator()
    {
        static std::mt19937_64 engine { std::random_device {}() };
        return engine;
    }
}

double randomUnit() { return std::uniform_real_distribution<double>(0.0, 1.0)(generator()); }

int32_t randomInRange(int32_t low, int32_t high)
{
    return std::uniform_int_distribution<int32_t>(low, high)(generator());
}

void seedRandom(uint64_t seed) { generator().seed(seed); }

} // namespace velmora
