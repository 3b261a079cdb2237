#include "values/ErrorCodes.h"

#include <array>

namespace velmora {

namespace {

#define VELMORA_NAME(name, number) #name,
    constexpr std::array<std::string_view, errorConstCount> errorNames
        = { VELMORA_ERROR_CODES(VELMORA_NAME) };
    constexpr std::array<std::string_view, inprocTypeCount> inprocTypeNames
        = { VELMORA_PLACE_KINDS(VELMORA_NAME) };
#undef VELMORA_NAME

    // The tables are indexed by number, so the lists must number their entries 0, 1, 2, ...
    template <size_t Count> constexpr bool numberedInOrder(const std::array<int, Count>& numbers)
    {
        for (size_t i = 0; i < Count; ++i)
            if (numbers[i] != static_cast<int>(i))
                return false;
        return true;
    }

#define VELMORA_NUMBER(name, number) number,
    static_assert(
        numberedInOrder(std::array<int, errorConstCount> { VELMORA_ERROR_CODES(VELMORA_NUMBER) }));
    static_assert(
        numberedInOrder(std::array<int, inprocTypeCount> { VELMORA_PLACE_KINDS(VELMORA_NUMBER) }));
#undef VELMORA_NUMBER

} // namespace

std::string_view errorName(errorConst code) { return errorNames[code]; }

std::string_view inprocTypeName(tInprocType kind) { return inprocTypeNames[kind]; }

} // namespace velmora
