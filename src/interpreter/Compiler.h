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

} // namespace velmora
