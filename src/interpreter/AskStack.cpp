#include "interpreter/AskStack.h"

#include <exception>

namespace velmora {

namespace {
    constexpr size_t deepestAsk = 1000;
}

AskScope::AskScope(InterpreterState& state, tlogoobject* object)
    : m_state(state)
{
    if (state.askStack.size() >= deepestAsk)
        throw eLogoException(erDeepAsk);
    state.askStack.push_back({ state.currentObject, state.currentTable, std::move(state.whoList) });
    state.currentTable = nullptr;
    state.whoList.reset();
    if (object)
        state.currentObject = object;
}

// When the object that was asked has been destroyed meanwhile, the process stops.
AskScope::~AskScope() noexcept(false)
{
    InterpreterState::AskEntry entry = std::move(m_state.askStack.back());
    m_state.askStack.pop_back();
    m_state.currentObject = entry.object;
    m_state.currentTable = entry.table;
    m_state.whoList = std::move(entry.whoList);
    if (!m_state.currentObject && !std::uncaught_exceptions())
        throw eTerminateException();
}

} // namespace velmora
