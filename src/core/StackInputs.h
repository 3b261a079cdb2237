// StackInputs: the inputs of a primitive that takes any number of them, in order, as they lie on
// the value stack (the first deepest). The stack holds them while the primitive runs; nothing is
// copied, so walking them costs no allocation.
#pragma once

#include "interpreter/LogoStack.h"

namespace velmora {

class StackInputs {
public:
    class Iterator {
    public:
        Iterator(const StackInputs& inputs, int32_t index)
            : m_inputs(inputs)
            , m_index(index)
        {
        }
        tlogoobject* operator*() const { return m_inputs[m_index]; }
        Iterator& operator++()
        {
            ++m_index;
            return *this;
        }
        bool operator!=(const Iterator& other) const { return m_index != other.m_index; }

    private:
        const StackInputs& m_inputs;
        int32_t m_index;
    };

    StackInputs(tLogoStack& stack, int32_t count)
        : m_stack(stack)
        , m_count(count)
    {
    }

    int32_t size() const { return m_count; }
    bool empty() const { return m_count == 0; }
    // The input at an index from 0 (the first input).
    tlogoobject* operator[](int32_t index) const { return m_stack.lookAt(m_count - 1 - index); }
    Iterator begin() const { return Iterator(*this, 0); }
    Iterator end() const { return Iterator(*this, m_count); }

private:
    tLogoStack& m_stack;
    int32_t m_count;
};

} // namespace velmora
