#include "values/CountLimit.h"

#include "values/Errors.h"

namespace velmora {

// The count is named as a word: a number object could only show it rounded to 6 digits.
void throwCountTooBig(uint64_t count) { throw eLogoException(erNumTooBig, std::to_string(count)); }

std::string concatenated(std::string_view front, std::string_view back)
{
    requireWordLength(front.size() + back.size());
    std::string text;
    text.reserve(front.size() + back.size());
    return text.append(front).append(back);
}

} // namespace velmora
