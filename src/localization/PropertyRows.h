// PropertyRows: the localized names of every object property, by property number.
//
// Every property of a visual object has a fixed number 0..194 (the number, not the word, is what a
// project stores) and an internal English key under which the dictionary gives its words. A row
// gathers what the object model needs to register the property in the current language: the main
// word and its setter (as name codes), the further setter and getter spellings (as blank-separated
// text), and all the synonyms. Further synonyms become further getter names, and their setter forms
// further setter names, in front of the dictionary's own "set" and "get" spellings. Numbers that
// name no property keep an empty row.
//
// Locking: built under the interpreter lock when first asked for, read-only afterwards; the code
// lists intern names and so need the interpreter lock too.
#pragma once

#include "localization/NameCode.h"

#include <array>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

constexpr int32_t propertyCount = 195;

struct PropertyRow {
    NameCode mainCode = 0;
    NameCode setterCode = 0;
    std::string setterSpellings; // blank-separated, without the main setter name
    std::string getterSpellings; // blank-separated, without the main name
    std::vector<std::string> synonyms;

    // The setter code followed by the codes of the setter spellings.
    std::vector<NameCode> setterCodes() const;
    // The codes of the getter spellings.
    std::vector<NameCode> getterCodes() const;
};

class PropertyRows {
public:
    // The rows of the current dictionary. Each row is built, interning its main and setter
    // names, when it is first asked for after a language is loaded: the main object registers two
    // properties at start-up, and most programs never ask for the rest.
    static const PropertyRows& instance();
    // Drops the rows, so that the next instance() builds them from the language just loaded.
    static void forget();

    // The internal key of a property number; empty for numbers that name no property.
    static std::string_view internalName(int32_t property);

    // The row of a property number in 0..propertyCount - 1.
    const PropertyRow& row(int32_t property) const;
    // Whether the normalized word equals, under the name comparison, one of the row's further
    // setter spellings. The main setter name is told by its code, setterCode.
    bool isSetterSpelling(int32_t property, std::string_view word) const;

private:
    // The rows in force; none until first asked for.
    static std::unique_ptr<PropertyRows>& current();

    mutable std::array<PropertyRow, propertyCount> m_rows;
    mutable std::array<bool, propertyCount> m_built {};
};

// PropertyRows::instance().isSetterSpelling(property, word).
bool isSetterSpelling(int32_t property, std::string_view word);

} // namespace velmora
