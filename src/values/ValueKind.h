// ValueKind: the concrete class of a value, stored in every value for cheap type tests on the
// evaluator's hot paths (a byte compare instead of a virtual call or a dynamic cast).
#pragma once

#include <cstdint>

namespace velmora {

enum class ValueKind : uint8_t { String, Integer, Real, Boolean, List, Object, Image };

} // namespace velmora
