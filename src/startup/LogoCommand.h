// "velmora logo [FILE|-] [--language NAME]": the console runner.
#pragma once

#include <span>
#include <string_view>

namespace velmora {

int runLogoCommand(std::span<const std::string_view> arguments);

} // namespace velmora
