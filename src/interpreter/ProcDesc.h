// tProcDesc: a name table entry that can be called.
//
// The evaluator needs of every callable descriptor its default number of inputs, whether it takes
// any number of inputs in parentheses (`varpar`), whether its inputs are full expressions
// including comparisons (`funtype` etIfFun), whether it is "output" or "stop" (`procKind`), and
// seven entry points. Each entry is a handler with its bound data, taking the actual number of
// inputs, which lie on the value stack with the first deepest; every entry pops them and pushes
// exactly one entry: none as a command, the result as an operation. The families of primitive
// descriptors (PrimitiveDescriptors.h) point the entries at handlers of their own form.
#pragma once

#include "interpreter/CodeArray.h"
#include "interpreter/TabDesc.h"

namespace velmora {

struct ProcEntry {
    void (*handler)(void* data, int32_t inputCount);
    void* data;

    void operator()(int32_t inputCount) const { handler(data, inputCount); }
};

enum class ProcKind : uint8_t { Ordinary = 0, Output = 1, Stop = 2 };

class tProcDesc : public tTabDesc {
public:
    tProcDesc(NameCode name, int32_t defpar, bool varpar, ElementTypes funtype);

    // The default target of the first five entries.
    virtual void invoke(int32_t inputCount);
    // The "text" form of a user procedure; none for primitives.
    virtual tlogoobject* definitionList() { return nullptr; }

    // Points the command, operation, tail and apply entries at one handler.
    void setCallEntries(ProcEntry entry);

    int32_t defpar;
    uint8_t varpar;
    uint8_t funtype;
    ProcKind procKind = ProcKind::Ordinary;
    ProcEntry command;
    ProcEntry operation;
    ProcEntry tail;
    ProcEntry applyCommand;
    ProcEntry applyOperation;
    ProcEntry firstMethod;
    ProcEntry secondMethod;
    int32_t running = 0;
    uint8_t tailCallable = 0;
};

} // namespace velmora
