// ScopedAssignment: gives a variable of the process state a value for a scope and puts the value
// it had back on every way out, errors and stops included.
#pragma once

#include <utility>

namespace velmora {

template <typename T> class ScopedAssignment {
public:
    ScopedAssignment(T& variable, T value)
        : m_variable(variable)
        , m_saved(std::exchange(variable, std::move(value)))
    {
    }
    ~ScopedAssignment() { m_variable = std::move(m_saved); }
    ScopedAssignment(const ScopedAssignment&) = delete;
    ScopedAssignment& operator=(const ScopedAssignment&) = delete;

private:
    T& m_variable;
    T m_saved;
};

} // namespace velmora
