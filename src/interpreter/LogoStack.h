// tLogoStack: the value stack of one process.
//
// Inputs of a call are pushed in order (the first input deepest); every call pops its inputs and
// pushes exactly one entry: none when called as a command, the result as an operation.
// Each slot holds one reference. Misuse raises the stack's own internal errors (143-151), which
// are faults of the interpreter, never of the user's program.
#pragma once

#include "values/Errors.h"
#include "values/ValueRef.h"

#include <algorithm>
#include <memory>

namespace velmora {

class tLogoStack {
public:
    explicit tLogoStack(int32_t capacity = 1000);
    ~tLogoStack();
    tLogoStack(const tLogoStack&) = delete;
    tLogoStack& operator=(const tLogoStack&) = delete;

    int32_t height() const { return m_height; }

    // Pushes a value (none stands for the absence of a value) and takes a reference to it.
    void push(tlogoobject* value)
    {
        if (m_height == m_capacity)
            grow();
        addRef(value);
        m_slots[m_height++] = value;
    }
    tlogoobject* peekTop() const
    {
        if (m_height == 0)
            throw eLogoException(erStackTop);
        return m_slots[m_height - 1];
    }
    void popAndRelease()
    {
        if (m_height == 0)
            throw eLogoException(erStackDeletetop);
        release(m_slots[--m_height]);
    }
    // Pops into a holder, releasing what the holder held.
    void popInto(tlogoobject*& holder);
    // Pops and hands the reference to the caller.
    tlogoobject* popOwned()
    {
        if (m_height == 0)
            throw eLogoException(erStackPop1);
        return m_slots[--m_height];
    }
    ValueRef pop() { return ValueRef::adopt(popOwned()); }
    // Pops, dropping the reference without freeing the value.
    tlogoobject* popUncounted();
    // Pops the result of a command, which must be none: error 2 names a value.
    void popCommandResult()
    {
        if (m_height == 0)
            throw eLogoException(erStackPopnil);
        if (tlogoobject* value = m_slots[m_height - 1]) {
            --m_height;
            ValueRef dropped = ValueRef::adopt(value);
            throw eLogoException(erWhatToDo, value);
        }
        --m_height;
    }
    // The entry n places below the top (0 is the top).
    tlogoobject* lookAt(int32_t n) const
    {
        if (n < 0 || n >= m_height)
            throw eLogoException(erStackLookstack);
        return m_slots[m_height - 1 - n];
    }
    // Removes the entry n places below the top and hands its reference to the caller; the
    // entries above it move down in order.
    ValueRef takeAt(int32_t n)
    {
        if (n < 0 || n >= m_height)
            throw eLogoException(erStackShift);
        const int32_t index = m_height - 1 - n;
        tlogoobject* taken = m_slots[index];
        if (n == 1)
            m_slots[index] = m_slots[index + 1]; // the usual case, without a call to memmove
        else if (n > 1)
            std::copy(&m_slots[index + 1], &m_slots[m_height], &m_slots[index]);
        --m_height;
        return ValueRef::adopt(taken);
    }
    // Removes the entry n places below the top, releasing it.
    void removeAt(int32_t n) { takeAt(n); }
    // Removes the entry just below the top.
    void removeBelowTop();
    void drop(int32_t n)
    {
        if (n > m_height)
            throw eLogoException(erStackDeletetop);
        for (int32_t i = 0; i < n; ++i)
            release(m_slots[--m_height]);
    }
    // Releases everything above the given height.
    void cutBackTo(int32_t height);

private:
    void grow();

    int32_t m_capacity;
    int32_t m_growth;
    int32_t m_height = 0;
    std::unique_ptr<tlogoobject*[]> m_slots;
};

} // namespace velmora
