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
class tmultiobject;

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
    void setRemaining(tlogoobject* pairs);

private:
    InterpreterState* m_state;
    ValueRef m_pairs; // outside a process
};

// The value property `code` starts with in an object being made, as the create routine of its
// kind reads it: the pair of the project loader whose key is one of the property's names (taken
// out of the loader's pairs), else such a pair of "initList" (taken out of it), else the class's
// variable of the property, so that a class made with "newclass" and pairs gives its instances
// their defaults; none without any. Error 6 when pairs are no list, 28 for a key without value.
ValueRef creationValue(
    int32_t code, tmultiobject& objectClass, ValueRef& loaderPairs, InitListScope& initList);
// The same for an object of a built-in kind being made by "new" and its forms, from its class,
// where no loader hands pairs over.
ValueRef creationValue(int32_t code, tmultiobject& object, InitListScope& initList);

void registerCreationParameterPrimitives(tLogoTab& table, tlogoobject* owner);

} // namespace velmora
