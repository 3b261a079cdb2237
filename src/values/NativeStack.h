// NativeStack: the guard that keeps deep nesting from running a thread out of native stack.
//
// Everything that recurses on the nesting of a program or a value (the evaluator's calls and
// parentheses, printing, comparing and reading nested lists) checks the guard at each level; when
// less than a safety margin of the thread's stack is left it raises error 195, the error of too
// deep a recursion, instead of overflowing. Counting nested runs cannot protect the stack alone: a
// line of a million parentheses nests without a single run.
//
// A thread learns its stack bounds when it begins to run Logo code (InterpreterState's
// activation); a thread that has not yet is never stopped by the guard.
#pragma once

#include <cstddef>

namespace velmora {

class NativeStack {
public:
    // What must stay free below the deepest check: one level of any recursion between two checks,
    // the leaf work done there (printing, a call into the C library), and raising the error.
    static constexpr size_t safetyMargin = size_t(256) << 10;

    // Reads the calling thread's stack bounds, once per thread.
    static void learnBoundsOfThisThread();

    // Error 195 when the calling thread is closer than the margin to the end of its stack.
    static void check()
    {
        // The address of a local stands for the stack pointer: unlike the frame address, it needs
        // no frame pointer in the function that checks.
        char here;
        if (&here < t_limit) [[unlikely]]
            overflow();
    }

private:
    [[noreturn]] static void overflow();

    static constinit inline thread_local char* t_limit = nullptr;
};

} // namespace velmora
