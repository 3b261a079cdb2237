// NameCodes: interning of names as name codes, and back.
//
// A name code is a positive integer standing for one spelling of a name; equal spellings under the
// current name comparison get the same code. Codes are given from 1 in order of first use, so name
// tables can be arrays indexed by code. The code table (`tcodetab`) keeps the names sorted by their
// folded spelling for interning by binary search; the string table (`tstringtab`) is ordered by
// code, which here is simply the order of creation.
//
// The tables grow whenever a new name is interned, from any process, always under the interpreter
// lock.
#pragma once

#include "values/LogoObject.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

class NameCodes {
public:
    static NameCodes& instance();

    // Its code, created when the name is new. "#n" stands for code n + 2147483647 and is never
    // entered.
    NameCode intern(std::string_view name);
    // Its code, or 0 when the name was never interned.
    NameCode find(std::string_view name) const;
    // Its name; "<Unknown name>" for 0 and unknown codes.
    const std::string& nameOf(NameCode code) const;
    int32_t count() const { return static_cast<int32_t>(m_byCode.size()); }

    // Forgets every name (start-up, and tests). Codes given before must not be used afterwards.
    void clear();

private:
    struct Record {
        NameCode code;
        std::string name;
        std::string folded;
    };
    static bool numericCode(std::string_view name, NameCode& code);
    // Index of the first record whose folded name is not below `folded`.
    size_t lowerBound(std::string_view folded) const;

    std::vector<Record*> m_byName; // tcodetab
    std::vector<std::unique_ptr<Record>> m_byCode; // tstringtab, index = code - 1
};

} // namespace velmora
