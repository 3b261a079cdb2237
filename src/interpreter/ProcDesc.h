// tProcDesc: a name table entry that can be called.
//
// The evaluator needs of every callable descriptor its default number of inputs, whether it takes
// any number of inputs in parentheses (`varpar`), whether its inputs are full expressions
// including comparisons (`funtype` etIfFun), and whether it is "output" or "stop" (`procKind`).
// A call finds the actual inputs on the value stack, the first deepest; the descriptor pops them
// and pushes exactly one entry: none as a command, the result as an operation. The families of
// primitive descriptors (PrimitiveDescriptors.h) implement `call` with handlers of their own form;
// value-class operations (ValueOperationDescriptors.h) implement `callMethod` instead.
#pragma once

#include "interpreter/CodeArray.h"
#include "interpreter/TabDesc.h"

namespace velmora {

class tLogoTab;

enum class ProcKind : uint8_t { Ordinary = 0, Output = 1, Stop = 2 };

// Whether a call is a command or wants a value.
enum class CallForm { Command = 0, Operation = 1 };

// How a call reached the descriptor: an instruction the evaluator runs, the pending tail call that
// ended a procedure body (run in the frame that body opened), or "apply" and its family, which run
// a procedure body as a nested run of their own.
enum class CallRoute : uint8_t { Evaluator, TailCall, Apply };

class tProcDesc : public tTabDesc {
public:
    tProcDesc(NameCode name, int32_t defpar, bool varpar, ElementTypes funtype);

    // Runs the descriptor with `inputCount` inputs on the stack. Descriptors that cannot be called
    // this way raise error 153.
    virtual void call(int32_t inputCount, CallForm form, CallRoute route);
    // Runs a value-class operation for the value its dispatcher handed over as self (the process
    // state's `methodSelf`), with its further inputs on the stack. Other descriptors raise 153.
    virtual void callMethod(int32_t inputCount);
    // The "text" form of a user procedure; none for primitives.
    virtual tlogoobject* definitionList() { return nullptr; }

    int32_t defpar; // inputs taken without parentheses
    uint8_t varpar; // 1: takes any number of inputs inside parentheses
    uint8_t funtype; // ElementTypes: etIfFun when its inputs are full expressions with comparisons
    ProcKind procKind = ProcKind::Ordinary; // "output" and "stop" are handled by the evaluator
    int32_t running = 0; // calls of this descriptor in progress, in every process
    uint8_t tailCallable = 0; // 1: a call ending a procedure body may run as a tail call
    // Set for a command that calls every object of a who list: the table that offers it. A name
    // resolved to it holds only while that table is the process's.
    const tLogoTab* whoListTable = nullptr;
};

} // namespace velmora
