// How listings show the entries of name tables. Each entry is of a kind, told by the table that
// holds it and by the entry itself, and is shown behind the prefix word of its kind and an
// apostrophe ("own'score", "event'onClick", "object'rex"), the same prefix words that keys of
// parameter lists carry; a user procedure shows its name alone. Entries of the system's own
// (primitives, accessors, variables whose names begin with "@") are never listed, and neither
// are entries that carry a mark.
#pragma once

#include "interpreter/TabDesc.h"
#include "values/ValueFactory.h"

#include <string_view>

namespace velmora {

class tLogoTab;

enum class EntryKind { Procedure, Event, Global, Common, Own, Object, Setting, Unlisted };

// Marks of table entries: ".hide" sets the first for good, "bury" the second until "unbury".
// Listings leave out entries carrying either: the player never shows buried entries.
constexpr uint8_t hiddenMark = userMarkA;
constexpr uint8_t buriedMark = userMarkB;
constexpr uint8_t hiddenMarks = hiddenMark | buriedMark;

// A procedure defined by the user; the getter and setter commands of variables are the
// system's.
bool isUserProcedure(const tTabDesc& desc);
EntryKind entryKind(const tTabDesc& desc);

using EntryFilter = bool (*)(const tTabDesc& desc);
// Appends the word made of `prefix` and the name of each chosen entry, in table order.
void appendNames(
    ListBuilder& names, const tLogoTab& table, std::string_view prefix, EntryFilter chosen);
// Every unmarked entry of a listed kind, in table order, behind its prefix word.
tLogoList* listing(const tLogoTab& table);

} // namespace velmora
