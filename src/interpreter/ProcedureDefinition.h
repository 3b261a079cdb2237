// Defining user procedures from a definition text ("to" line, body lines, "end") or from a
// definition list ([[inputs] line line ...]).
#pragma once

#include "values/LogoList.h"

#include <string>
#include <string_view>

namespace velmora {

enum class DefineMode { Define, CheckOnly };

// Defines (or, with CheckOnly, only checks) the procedure a whole definition text describes, in
// the object's own procedure table. Redefining with exactly the old text changes nothing.
void defineFromText(
    tlogoobject* object, std::string_view text, DefineMode mode = DefineMode::Define);
// Defines a procedure from [[inputs] line ...]; `sourceText` is kept for listing (may be empty).
void defineFromList(
    tlogoobject* object, NameCode name, tlogoobject* definition, std::string sourceText = {});
// The lines of a definition text after its title, without comment lines, each ending in CR LF.
std::string bodyText(std::string_view text);
// Whether a name can name a procedure: not empty, not a number, no leading quote or colon, no
// blanks or control characters.
bool isAcceptableProcedureName(tlogoobject* name);

} // namespace velmora
