// The parameters of an object being made with "new": while its "create" procedure runs, the local
// variable "initList" holds the key/value pairs still to apply. "getparam" takes a pair out of it
// (so that creation does not apply it again) and "peekparam" only reads one; whatever is left
// when "create" ends is applied to the object.
#pragma once

#include "values/ValueRef.h"

namespace velmora {

class InterpreterState;
class tLogoTab;
class tlogoobject;

// Binds "initList" to the pairs in a frame of its own for as long as it lives. Outside a Logo
// process there is nothing to bind, and the pairs stay as given.
class InitListScope {
public:
    explicit InitListScope(tlogoobject* pairs);
    ~InitListScope();
    InitListScope(const InitListScope&) = delete;
    InitListScope& operator=(const InitListScope&) = delete;

    // What "initList" holds now.
    tlogoobject* remaining() const;

private:
    InterpreterState* m_state;
    ValueRef m_pairs; // outside a process
};

void registerCreationParameterPrimitives(tLogoTab& table, tlogoobject* owner);

} // namespace velmora
