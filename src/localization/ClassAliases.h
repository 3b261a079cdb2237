// ClassAliases: the localized names under which a built-in class may be written.
//
// The dictionary's "class" section gives each built-in class its localized name, and may add
// further words that name the same class ("ColourSlider ColorSlider"). Each class key is a group;
// when its entry holds more than one word, every word becomes an alias that leads to the code of
// the group's first word, its main name. Classes with a single word need no alias: their name is
// already the main name. The table is read once at start-up, in the fixed order of the class keys.
//
// Locking: built under the interpreter lock at start-up, read-only afterwards.
#pragma once

#include "localization/NameCode.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

struct ClassAlias {
    std::string name;
    int32_t group; // index of the class key in classKeys()
    NameCode mainCode; // code of the group's first word
};

class ClassAliases {
public:
    static const ClassAliases& instance() { return mutableInstance(); }
    // Reads the "class" entries and interns each group's main name.
    static void build();

    // The internal class keys, in group order.
    static std::span<const std::string_view> classKeys();

    // The main code of the group of the first alias equal to the name under the current name
    // comparison; 0 when the name is no alias.
    NameCode mainCode(std::string_view name) const;
    const std::vector<ClassAlias>& aliases() const { return m_aliases; }

private:
    static ClassAliases& mutableInstance();

    std::vector<ClassAlias> m_aliases;
};

// ClassAliases::instance().mainCode(name).
NameCode classMainCode(std::string_view name);

} // namespace velmora
