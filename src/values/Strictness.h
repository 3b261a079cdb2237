// The strictness level of word and list access (the option "strict": 0, 1 or 2; 0 at start).
// Level 0 forgives out-of-range positions and empty inputs where a sensible answer exists; higher
// levels turn them into errors. Read and set under the interpreter lock.
#pragma once

#include <cstdint>

namespace velmora {

int32_t strictLevel();
void setStrictLevel(int32_t level);

} // namespace velmora
