// Descriptor families for the primitives of objects.
//
// Object primitives find the object they act on through the process state (the current object),
// not through an input, so their handlers take the bound data and the input count and read the
// inputs from the value stack themselves; the family then removes the inputs and pushes the
// handler's result, keeping every entry's contract (inputs popped, one entry pushed).
// `tUserObjectCommand` is the base of the class-specific commands that the object kinds define
// with an `invoke` of their own.
#pragma once

#include "interpreter/PrimitiveDescriptors.h"

namespace velmora {

// tObjProcDesc: every entry calls handler(data, stack, n).
class tObjProcDesc : public tProcDesc {
public:
    using Handler = tlogoobject* (*)(void* data, tLogoStack& stack, int32_t inputCount);

    tObjProcDesc(NameCode name, int32_t defpar, Handler handler, void* data, bool varpar = false);

private:
    static void call(void* descriptor, int32_t inputCount);

    Handler m_handler;
    void* m_data;
};

// tObjCommand: as tObjProcDesc with the descriptor itself as the bound data.
class tObjCommand : public tObjProcDesc {
public:
    tObjCommand(NameCode name, int32_t defpar, Handler handler)
        : tObjProcDesc(name, defpar, handler, this)
    {
    }
};

// tObjVarParCommand: a tObjCommand that takes any number of inputs in parentheses.
class tObjVarParCommand : public tObjProcDesc {
public:
    tObjVarParCommand(NameCode name, int32_t defpar, Handler handler)
        : tObjProcDesc(name, defpar, handler, this, true)
    {
    }
};

// tUserObjectCommand: a command of an object kind; the kind's subclass implements `invoke`,
// which pops its inputs and pushes one entry.
class tUserObjectCommand : public tProcDesc {
public:
    tUserObjectCommand(NameCode name, int32_t defpar)
        : tProcDesc(name, defpar, false, etFun)
    {
    }
};

} // namespace velmora
