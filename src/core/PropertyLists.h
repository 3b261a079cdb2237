// PropertyLists: the main object's named property lists, the store of "pprop" and its family.
//
// Each list has a name and an ordered set of properties with their values. Names of lists and of
// properties compare as names do in the current language, with surrounding blanks removed. A list
// exists only while it has a property: putting the empty list as a value removes the property, and
// a list that loses its last property goes with it. Touched only under the interpreter lock.
#pragma once

#include "values/LogoList.h"
#include "values/ValueRef.h"

#include <string>
#include <string_view>
#include <vector>

namespace velmora {

class PropertyLists {
public:
    struct Property {
        std::string name; // as first given, blanks removed
        ValueRef value; // never the empty list
    };
    struct List {
        std::string name; // as first given, blanks removed
        std::vector<Property> properties; // in the order they were first put
    };

    void put(std::string_view list, std::string_view property, tlogoobject* value);
    // None when the list or the property is missing.
    tlogoobject* get(std::string_view list, std::string_view property) const;
    void remove(std::string_view list, std::string_view property);
    // Puts the alternating properties and values of `pairs` in place of the list's own.
    void replace(std::string_view list, tLogoList* pairs);
    // None when no list has the name.
    const List* find(std::string_view list) const;
    // Every list, in the order they were made.
    const std::vector<List>& lists() const { return m_lists; }

private:
    List* findList(std::string_view list);
    List& listFor(std::string_view list);
    void dropIfEmpty(std::string_view list);

    std::vector<List> m_lists;
};

} // namespace velmora
