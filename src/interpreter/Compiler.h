// Compiling instruction lists into code arrays.
//
// Mode 0 compiles the list's elements as one instruction sequence; mode 2 compiles each element
// as a line, one after another, into one sequence (procedure bodies); mode 3 keeps a "case" clause
// list as one constant. A word compiles by reading its text as a list first.
#pragma once

#include "interpreter/CodeArray.h"
#include "values/LogoList.h"

#include <string>

namespace velmora {

// Each returns a new array with one holder (the caller's).
CodeArray* compileList(tLogoList* list, CompileMode mode);
CodeArray* compileWordText(const std::string& text, CompileMode mode);

// The code array of a list or word, compiled on first use and then kept in the value's cache,
// which holds the one reference; error 6 for other values.
CodeArray* compile(tlogoobject* value, CompileMode mode);

// The array cached on a list for `mode`, without compiling; none when there is none.
inline CodeArray* cachedCode(tLogoList* list, CompileMode mode)
{
    return static_cast<CodeArray*>(list->codeCache().find(mode));
}

// A procedure body or instruction list already compiled is found without a call.
inline CodeArray* compile(tLogoList* list, CompileMode mode)
{
    if (CodeArray* cached = cachedCode(list, mode))
        return cached;
    return compile(static_cast<tlogoobject*>(list), mode);
}

} // namespace velmora
