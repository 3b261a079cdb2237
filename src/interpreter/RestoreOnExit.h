// RestoreOnExit: keeps the value a variable of the process state has when the scope begins and
// puts it back on every way out, errors and stops included. The scope assigns the variable as it
// needs meanwhile (the repeat counter of a loop, the current object of a prefixed call).
#pragma once

namespace velmora {

template <typename T> class RestoreOnExit {
public:
    explicit RestoreOnExit(T& variable)
        : m_variable(variable)
        , m_saved(variable)
    {
    }
    ~RestoreOnExit() { m_variable = m_saved; }
    RestoreOnExit(const RestoreOnExit&) = delete;
    RestoreOnExit& operator=(const RestoreOnExit&) = delete;

private:
    T& m_variable;
    T m_saved;
};

} // namespace velmora
