// ObjectPairs: the key/value list given to "new" and "newclass", read once into pairs.
//
// "new" and ".new" evaluate a value that is a word beginning with ":" (the variable's value);
// ".new." takes every value as it stands. A key may carry a prefix (a "param" word and an
// apostrophe: "own'", "common'", "event'", "define'", ...) that says what the value is; a plain
// key is an event handler when it names an event, else an own variable, which for a property is
// its pseudo-variable: setting it runs the property's setter. ".new" and ".new." read a key
// 0..194 as the main name of that property, so that a project's "5 [796 499]" sets the size in
// any language. The naming keys "name" and ".name" choose the object's name and are applied only
// with an explicit prefix.
#pragma once

#include "objects/ContainerObject.h"
#include "values/LogoList.h"
#include "values/ValueRef.h"

#include <vector>

namespace velmora {

enum class PairKind { Plain, Own, Common, Event, Procedure };

class ObjectPairs {
public:
    // An empty list or none gives no pairs; anything else but a list is error 6; an unknown
    // prefix, or an apostrophe after one, is error 140.
    ObjectPairs(tlogoobject* list, CreationForm form);
    // The pairs "create" left in "initList": values as they stand, keys as given.
    static ObjectPairs left(tlogoobject* list);

    // The value of a key spelled `key`, or none.
    tlogoobject* find(std::string_view key) const;
    // Applies the pairs in order: variables, handlers, procedures.
    void applyTo(tmultiobject& object) const;
    // The pairs as a list of keys as given and values as read.
    tLogoList* asList() const;

    // Whether values beginning with ":" are read as variables; whether keys 0..194 are read as
    // property names.
    enum class Values { Evaluated, AsGiven };
    enum class Keys { AsGiven, PropertyNumbers };

private:
    ObjectPairs(tlogoobject* list, Values values, Keys keys);

    struct Pair {
        ValueRef given; // the key as the list gave it
        NameCode key; // without its prefix
        PairKind kind;
        ValueRef value;
    };
    static void apply(tmultiobject& object, const Pair& pair);

    std::vector<Pair> m_pairs;
};

} // namespace velmora
