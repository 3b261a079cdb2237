// The start-up of the engine's process-wide tables, in their order: name codes first, then the
// codes the interpreter compares against. Every runner (console, player, tests) calls it once
// before creating a main object.
#pragma once

namespace velmora {

void startEngine();

} // namespace velmora
