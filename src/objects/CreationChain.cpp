#include "objects/CreationChain.h"

#include "interpreter/InterpreterState.h"
#include "objects/MultiObject.h"

namespace velmora {

namespace {
    tmultiobject* s_first = nullptr;
    tmultiobject* s_last = nullptr;
    tmultiobject* s_loadBase = nullptr; // none: count from the first object
    uint64_t s_nextSerial = 1;
}

void CreationChain::append(tmultiobject* object)
{
    object->serial = s_nextSerial++;
    object->prevCreated = s_last;
    object->nextCreated = nullptr;
    (s_last ? s_last->nextCreated : s_first) = object;
    s_last = object;
    if (InterpreterState* state = InterpreterState::current())
        state->lastCreatedSerial = object->serial;
}

void CreationChain::remove(tmultiobject* object)
{
    if (object == s_loadBase)
        s_loadBase = object->prevCreated;
    (object->prevCreated ? object->prevCreated->nextCreated : s_first) = object->nextCreated;
    (object->nextCreated ? object->nextCreated->prevCreated : s_last) = object->prevCreated;
    object->prevCreated = object->nextCreated = nullptr;
}

tmultiobject* CreationChain::first() { return s_first; }

tmultiobject* CreationChain::numbered(int32_t number)
{
    tmultiobject* object = s_loadBase ? s_loadBase : s_first;
    for (; object && number > 0; --number)
        object = object->nextCreated;
    return object;
}

tmultiobject* CreationChain::lastCreatedHere()
{
    const InterpreterState* state = InterpreterState::current();
    const uint64_t lastCreated = state ? state->lastCreatedSerial : 0;
    for (tmultiobject* object = s_last; object; object = object->prevCreated)
        if (object->serial <= lastCreated)
            return object->serial == lastCreated ? object : nullptr;
    return nullptr;
}

} // namespace velmora
