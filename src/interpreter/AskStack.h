// The ask stack of a process: "ask", "askeach", "each", "runevent" and event handlers run code as
// another object and come back to the object, table and who list they left.
#pragma once

#include "interpreter/InterpreterState.h"

namespace velmora {

// Pushes the current object, table and who list (clearing table and who list) and, when given,
// makes `object` current; pops on every way out. Error 159 past 1000 entries, 160 when popping
// an empty stack.
class AskScope {
public:
    AskScope(InterpreterState& state, tlogoobject* object = nullptr);
    ~AskScope() noexcept(false);
    AskScope(const AskScope&) = delete;
    AskScope& operator=(const AskScope&) = delete;

private:
    InterpreterState& m_state;
};

} // namespace velmora
