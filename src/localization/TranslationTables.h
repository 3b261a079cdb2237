// TranslationTables: the start-up step that turns the current dictionary's words into name codes.
//
// The interpreter compares names by code, so the words it must recognise by meaning (the event
// names, the create/destroy words and the class names) are interned once, in a fixed order, as soon
// as a language is loaded and the name codes are cleared. The order matters: the event range test
// relies on the events being interned right after the create/destroy words. The property names,
// which only objects with properties need, are interned when their rows are first asked for.
//
// Locking: run under the interpreter lock (or before any process exists).
#pragma once

namespace velmora {

// Builds the event codes and the class aliases, in that order, and drops the property rows of
// the previous language. Call right after NameCodes::instance().clear().
void buildTranslationTables();

} // namespace velmora
