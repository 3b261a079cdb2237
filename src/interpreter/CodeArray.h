// CodeArray: an instruction list compiled once into a flat array of records.
//
// Each record is a kind (`ElementTypes`), a datum (a name code for names, a value for constants)
// and the after-parenthesis mark that lets a procedure take a variable number of inputs. The array
// holds one reference to each constant. Arrays are cached on the list or word they come from and
// reused by every later run in every process; they are reference counted so that a run in
// progress keeps its array even when the list is recompiled in another mode meanwhile.
#pragma once

#include "values/CodeCache.h"

#include <cstdint>
#include <memory>

namespace velmora {

// The record kinds; the same numbering is the `funtype` of a descriptor.
enum ElementTypes : uint8_t {
    etFun = 0,
    etIfFun = 1,
    etRelOp = 2,
    etUnOp = 3,
    etAddOp = 4,
    etMulOp = 5,
    etUnknownOp = 6,
    etLpar = 7,
    etRpar = 8,
    etVariable = 9,
    etConst = 10,
    etEnd = 11,
    etObjectPrefixFun = 12,
    etUsualPrefix = 13,
};

// Kinds that name something to call.
inline bool isNameKind(uint8_t kind)
{
    constexpr uint32_t nameKinds = 1u << etUnknownOp | 1u << etFun | 1u << etIfFun
        | 1u << etObjectPrefixFun | 1u << etUsualPrefix;
    return kind < 32 && (nameKinds >> kind & 1u) != 0;
}

class tProcDesc;

// What a name record resolved to, for the object it was resolved for, while the resolution stamp
// read then holds.
struct ResolvedName {
    tProcDesc* desc = nullptr;
    const tlogoobject* object = nullptr;
    uint64_t stamp = 0;
};

struct CodeRecord {
    uint8_t kind;
    uint8_t afterParen;
    // Where along the object's lookup chain the resolved procedure stands (for "usual"); kept
    // here, in what would be padding, so that the record stays 40 bytes.
    int16_t resolvedLevel = 0;
    NameCode name; // names, operators, variables and prefixes
    tlogoobject* constant; // constants (one reference held)
    ResolvedName resolved {};
};
static_assert(sizeof(CodeRecord) == 40, "the resolved level fills padding, not a new word");

struct CodeArray final : CompiledCode {
    ~CodeArray() override; // releases the constants
    int32_t count = 0; // records, the final end record included
    std::unique_ptr<CodeRecord[]> records;

    CodeRecord* begin() { return records.get(); }
};

// Drops one holder of the array; frees it (and releases its constants) when none is left.
inline void releaseCodeArray(CodeArray* code) { releaseCompiledCode(code); }

// Holds a code array for a scope, so that recompiling its list meanwhile cannot free it.
class CodeRef {
public:
    explicit CodeRef(CodeArray* code)
        : m_code(code)
    {
        ++code->refCount;
    }
    ~CodeRef() { releaseCodeArray(m_code); }
    CodeRef(const CodeRef&) = delete;
    CodeRef& operator=(const CodeRef&) = delete;
    CodeArray* get() const { return m_code; }

private:
    CodeArray* m_code;
};

} // namespace velmora
