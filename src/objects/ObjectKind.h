// ObjectKind: what the instances of a built-in class are made of. A prototype (the class object of
// a turtle, a page, a pane, ...) carries its kind, the classes derived from it with "newclass"
// carry the same, and "new" asks the kind of the class for the new object and for the routine
// that builds its control from the creation parameters. Objects of classes without a kind are
// plain control objects.
#pragma once

#include "objects/MultiObject.h"

#include <string>
#include <string_view>

namespace velmora {

class InitListScope;
class tcontainerobject;
class tControlObject;

class ObjectKind {
public:
    virtual ~ObjectKind() = default;
    // A new object of the kind, with `objectClass` as its class; not yet placed or built.
    virtual tControlObject* makeInstance(tmultiobject* objectClass, std::string name) const = 0;
    // Builds the object's control from the creation values the kind consumes (taking them out of
    // the parameters), once the object is placed.
    virtual void create(tControlObject& object, InitListScope& parameters) const = 0;
};

// Makes a built-in class in the container (the main object): named by the language's word for the
// class key, making objects of the kind, which are named from the word of the key's prefix.
tmultiobject& makePrototype(
    tcontainerobject& container, std::string_view key, const ObjectKind& kind);

} // namespace velmora
