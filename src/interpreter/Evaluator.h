// The evaluator: runs compiled instruction lists.
//
// A recursive descent over the code array: statements call commands; expressions climb the
// precedence levels comparison < additive < multiplicative < operand, where a sign in operand
// position binds tighter than any infix operator. Each name is resolved to a descriptor in the
// current object, its inputs are evaluated onto the value stack and the descriptor is called.
// "output", "stop" and tail calls unwind through the process's stop flag rather than exceptions;
// a tail call of a user procedure that ends a procedure body is left pending for the caller's
// tail-call loop, so such a chain runs in constant native stack.
//
// Everything here runs on a Logo process's thread while it holds the interpreter lock.
#pragma once

#include "interpreter/CodeArray.h"
#include "interpreter/InterpreterState.h"

#include <string_view>
#include <vector>

namespace velmora {

namespace evaluator {

    // Runs the instructions as commands until the end or until the stop flag is set.
    void runList(InterpreterState& state, CodeArray* code);
    // Evaluates one expression (and runs one more instruction after it, if any) and returns its
    // value with one reference owned by the caller.
    ValueRef evaluateList(InterpreterState& state, CodeArray* code);
    // Runs the instructions for a caller that takes a value when they give one: the last
    // instruction, a call that outputs or an expression, gives it, with one reference owned by
    // the caller; none when it gives none or the stop flag ended the run.
    ValueRef runListForValue(InterpreterState& state, CodeArray* code);
    // Reads, compiles and runs a text; the value stack is cut back to its height before.
    void runText(InterpreterState& state, std::string_view text);
    // Runs a list or word as an instruction list.
    void runValue(InterpreterState& state, tlogoobject* instructions);
    ValueRef evaluateValue(InterpreterState& state, tlogoobject* instructions);
    ValueRef runForValue(InterpreterState& state, tlogoobject* instructions);

    // Calls D as a command with n inputs on the stack, as the evaluator itself does.
    void callCommand(InterpreterState& state, tProcDesc* desc, int32_t inputCount);
    // Runs pending tail calls (see the evaluator's header note).
    void runTailCallLoop(InterpreterState& state);

    // Calls a descriptor by the route of "apply" with the n inputs on the stack, as "apply" does:
    // as a command (a value it outputs is error 2), or for its value (none is error 33). "output"
    // and "stop" leave the nearest user procedure, or where none runs end the running lines by the
    // stop flag.
    void applyAsCommand(InterpreterState& state, tProcDesc* desc, int32_t inputCount);
    ValueRef applyForValue(InterpreterState& state, tProcDesc* desc, int32_t inputCount);

    // Evaluates the expressions of a list one after another ([1 :n + 1] gives 1 and n + 1).
    std::vector<ValueRef> evaluateEach(InterpreterState& state, tlogoobject* expressions);

} // namespace evaluator

} // namespace velmora
