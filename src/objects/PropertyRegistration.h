// Registering the properties of a class.
//
// A class registers each of its properties once, when it is built: the getter under the
// property's main name and every further getter spelling of the language, the setter under the
// setter name and every further setter spelling, and the pseudo-variable. Registered for the
// class's instances, the pseudo-variable is a prototype that every object made from the class,
// directly or through subclasses, turns into a pseudo-variable of its own; registered for the
// object itself, it is that object's pseudo-variable at once.
#pragma once

#include <cstdint>
#include <span>

#include "objects/PropertyCommands.h"

namespace velmora {

enum class PropertyBinding { Object, Instances };

// A property implemented by routines of the object model.
struct MethodProperty {
    int32_t code; // 0..194
    GetterRoutine getter;
    SetterRoutine setter;
    std::span<const int32_t> alsoChanges = {}; // codes the setter changes besides its own
    uint8_t flags = 0; // donotsaveperm for properties never saved
};

void registerMethodProperty(
    tmultiobject& owner, const MethodProperty& property, PropertyBinding binding);
// What a property setter does before it writes, for commands that change properties as a side
// effect ("forward" changes the position): makes the object's properties of those codes worth
// saving again.
void declarePropertiesChanged(tmultiobject& object, std::span<const int32_t> codes);
// Removes the pseudo-variable or prototype of the code and every getter and setter name of it.
void removeProperty(tmultiobject& owner, int32_t code);
// Gives a new object its own pseudo-variables from the prototypes of its first parent, of that
// one's first parent and so on, the farthest first, so that a nearer class's prototype wins.
void instantiatePropertyPrototypes(tmultiobject& object);

} // namespace velmora
