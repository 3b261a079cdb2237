// "velmora run": hands the command line over to the window runner, velmora-run, installed beside
// this program. The console runner itself stays free of Qt, and quick to start.
#pragma once

#include <span>
#include <string_view>

namespace velmora {

int runRunCommand(std::span<const std::string_view> arguments);

} // namespace velmora
