// "velmora translate FILE --from LANG --to LANG [-o OUT]": a Logo script or project text carried
// from one language's words into another's (ScriptTranslation.h), UTF-8 in and out.
#pragma once

#include <span>
#include <string_view>

namespace velmora {

int runTranslateCommand(std::span<const std::string_view> arguments);

} // namespace velmora
