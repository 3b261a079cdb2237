// The start-up of the engine's process-wide tables, in their order: the language dictionary, the
// name comparison it chooses, name codes, then the codes the interpreter compares against. Every
// runner (console, player, tests) calls it before creating a main object.
#pragma once

#include <string_view>

namespace velmora {

// False when the language has no dictionary; nothing is changed then.
bool startEngine(std::string_view language = "english");

} // namespace velmora
