// The source form of a word held as text: the spelling that the reader reads back as the same
// word, with backslash escapes or between bars.
#pragma once

#include <string>
#include <string_view>

namespace velmora {

void appendWordSourceForm(std::string& out, std::string_view word);

} // namespace velmora
