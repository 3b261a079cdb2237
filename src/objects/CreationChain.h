// CreationChain: every live object in creation order, the main object first.
//
// Object numbers ("#3") count along it from the load base, so that a project's text can name the
// objects its load creates; with no load running the count starts after the main object. Each
// process also remembers the last object it created ("lastObject") by its serial number, which no
// later object reuses, so a destroyed object is never named by a stale pointer.
#pragma once

#include <cstdint>

namespace velmora {

class tmultiobject;

class CreationChain {
public:
    // Appends the object and records it as the calling process's last created one.
    static void append(tmultiobject* object);
    static void remove(tmultiobject* object);
    static tmultiobject* first();
    // The object `number` steps after the load base, or none.
    static tmultiobject* numbered(int32_t number);
    // The last live object the calling thread created, or none.
    static tmultiobject* lastCreatedHere();
};

} // namespace velmora
