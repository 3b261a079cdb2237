// NameCode: a positive number that stands for one spelling of a name.
//
// Codes are handed out from 1 in order of first use; spellings that the language's name
// comparison holds equal share a code, and name tables are indexed by it (NameCodes.h).
#pragma once

#include <cstdint>

namespace velmora {

using NameCode = int32_t;

} // namespace velmora
