// Runs a function on a thread with a stack large enough for the deepest Logo recursion the
// interpreter allows (error 195 must always come before the native stack runs out), and waits for
// it.
#pragma once

#include <cstddef>
#include <functional>

namespace velmora {

// Sized for 10,000 nested instruction-list runs with room for sanitizer builds.
constexpr size_t logoThreadStackSize = size_t(512) << 20;

void runOnLargeStack(const std::function<void()>& body, size_t stackSize = logoThreadStackSize);

} // namespace velmora
