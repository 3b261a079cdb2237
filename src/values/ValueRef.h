// Holding and releasing Logo values.
//
// `addRef`, `release`, `assignHolder` and `takeFromHolder` are the reference operations every
// holder uses; `ValueRef` wraps them for C++ code so that a value held across a call that may
// throw is released on the way out.
#pragma once

#include "values/LogoObject.h"

#include <utility>

namespace velmora {

inline void addRef(tlogoobject* value)
{
    if (value)
        ++value->refCount;
}

// Drops one holder; the value is freed when none is left.
inline void release(tlogoobject* value)
{
    if (value && --value->refCount < 1)
        value->free();
}

// Makes `holder` hold `value`, releasing what it held before; does nothing when they are the same.
template <typename T> void assignHolder(T*& holder, T* value)
{
    if (holder == value)
        return;
    addRef(value);
    T* old = holder;
    holder = value;
    release(old);
}

// Empties `holder` and hands its reference to the caller.
template <typename T> T* takeFromHolder(T*& holder) { return std::exchange(holder, nullptr); }

// Hands a held value to a caller that expects a value with no holder (a handler's result):
// drops the reference without freeing. The caller must take it at once.
template <typename T> T* handOver(T* value)
{
    if (value)
        --value->refCount;
    return value;
}

template <typename T> class Ref {
public:
    Ref() = default;
    Ref(T* value)
        : m_value(value)
    {
        addRef(m_value);
    }
    Ref(const Ref& other)
        : Ref(other.m_value)
    {
    }
    Ref(Ref&& other) noexcept
        : m_value(std::exchange(other.m_value, nullptr))
    {
    }
    ~Ref() { release(m_value); }
    Ref& operator=(const Ref& other)
    {
        assignHolder(m_value, other.m_value);
        return *this;
    }
    Ref& operator=(Ref&& other) noexcept
    {
        if (this != &other) {
            T* old = std::exchange(m_value, std::exchange(other.m_value, nullptr));
            release(old);
        }
        return *this;
    }

    // Wraps a value whose reference the caller already owns (for example one popped from the
    // stack).
    static Ref adopt(T* value)
    {
        Ref ref;
        ref.m_value = value;
        return ref;
    }
    // Gives up the reference without releasing it.
    T* leak() { return std::exchange(m_value, nullptr); }

    T* get() const { return m_value; }
    T* operator->() const { return m_value; }
    T& operator*() const { return *m_value; }
    explicit operator bool() const { return m_value != nullptr; }

private:
    T* m_value = nullptr;
};

using ValueRef = Ref<tlogoobject>;

} // namespace velmora
