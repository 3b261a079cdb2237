// ObjectPairs: the key/value list given to "new" and "newclass", read once into pairs.
//
// "new" and ".new" evaluate a value that is a word beginning with ":" (the variable's value);
// ".new." takes every value as it stands. A key may carry a prefix (a "param" word and an
// apostrophe: "own'", "common'", "event'", "define'", ...) that says what the value is; a plain
// key is an event handler when it names an event, else an own variable. The naming keys "name"
// and ".name" choose the object's name and are applied only with an explicit prefix.
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

    // The value of a key spelled `key`, or none.
    tlogoobject* find(std::string_view key) const;
    // Applies the pairs in order: variables, handlers, procedures.
    void applyTo(tmultiobject& object) const;
    // The pairs as a list of keys as given and values as read.
    tLogoList* asList() const;

private:
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
