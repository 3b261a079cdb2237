#include "values/Strictness.h"

namespace velmora {

namespace {
    int32_t level = 0;
}

int32_t strictLevel() { return level; }

void setStrictLevel(int32_t newLevel) { level = newLevel; }

} // namespace velmora
