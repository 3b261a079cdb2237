// "velmora dict encode|decode IN OUT": scrambling and reading dictionary files.
#pragma once

#include <span>
#include <string_view>

namespace velmora {

int runDictCommand(std::span<const std::string_view> arguments);

} // namespace velmora
