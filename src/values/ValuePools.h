// The recycling pools behind the value factories.
//
// Four pools hold 100 instances each (integers, reals, text words, booleans, all marked `pooled`),
// made as they are first wanted, so that a program that needs few costs few; a pooled instance
// that is freed is cleared and goes back to its pool. List cells have
// a pool of their own holding up to 10,000 freed cells for reuse. The pools are touched only under
// the interpreter lock.
//
// Under AddressSanitizer an instance waiting in a pool is poisoned, so that using a value after its
// last holder released it is reported as it would be for a deleted one; elsewhere poisoning does
// nothing. A list cell is poisoned whole, as it owns nothing once freed; of the other values only
// the part every value has (virtual table, counts, kind, table), which any use of a value reads,
// because their texts may keep heap storage in the pool, and the leak checker must still find it
// while it does not look into poisoned memory.
#pragma once

#include "values/LogoList.h"
#include "values/LogoNumber.h"
#include "values/LogoString.h"

#include <sanitizer/asan_interface.h>

#include <array>
#include <cstddef>
#include <type_traits>

namespace velmora {

template <typename T>
constexpr size_t poisonedWhilePooled
    = std::is_same_v<T, tLogoList> ? sizeof(tLogoList) : sizeof(tlogoobject);

template <typename T> void poisonWhilePooled(T* instance)
{
    ASAN_POISON_MEMORY_REGION(instance, poisonedWhilePooled<T>);
}

template <typename T> T* unpoisonFromPool(T* instance)
{
    ASAN_UNPOISON_MEMORY_REGION(instance, poisonedWhilePooled<T>);
    return instance;
}

template <typename T, size_t Capacity> class ValuePool {
public:
    ValuePool() = default;
    ~ValuePool()
    {
        for (size_t i = 0; i < m_count; ++i)
            delete unpoisonFromPool(m_free[i]);
    }
    ValuePool(const ValuePool&) = delete;
    ValuePool& operator=(const ValuePool&) = delete;

    // A pooled instance, or none when all of them are in use.
    T* take()
    {
        if (m_count)
            return unpoisonFromPool(m_free[--m_count]);
        return m_made < Capacity ? makeInstance() : nullptr;
    }
    // Accepts a freed pooled instance; reports false when the pool is full.
    bool giveBack(T* instance)
    {
        if (m_count == Capacity)
            return false;
        m_free[m_count++] = instance;
        poisonWhilePooled(instance);
        return true;
    }
    // Instances a caller can take now: those waiting in the pool and those not yet made.
    size_t available() const { return m_count + (Capacity - m_made); }
    // Pooled instances held by values at the moment.
    size_t inUse() const { return m_made - m_count; }

private:
    T* makeInstance()
    {
        T* instance = new T();
        instance->pooled = 1;
        ++m_made;
        return instance;
    }

    std::array<T*, Capacity> m_free {};
    size_t m_count = 0;
    size_t m_made = 0;
};

class ListCellPool {
public:
    static constexpr size_t capacity = 10000;
    ~ListCellPool();

    tLogoList* take(tlogoobject* first, tLogoList* rest)
    {
        if (m_count == 0) [[unlikely]]
            return makeFresh(first, rest);
        tLogoList* cell = unpoisonFromPool(m_free[--m_count]);
        cell->reset(first, rest);
        return cell;
    }
    // Keeps a freed cell (its references already dropped) or deletes it when the pool is full.
    void recycle(tLogoList* cell)
    {
        if (m_count < capacity) {
            m_free[m_count++] = cell;
            poisonWhilePooled(cell);
        } else {
            delete cell;
            ++m_deleted;
        }
    }
    // Cells ever made, cells deleted since and cells waiting for reuse; the rest are in use.
    size_t made() const { return m_made; }
    size_t deleted() const { return m_deleted; }
    size_t waiting() const { return m_count; }

private:
    tLogoList* makeFresh(tlogoobject* first, tLogoList* rest);

    // Left uninitialised: the slots above m_count are never read, and untouched pages cost nothing.
    std::array<tLogoList*, capacity> m_free;
    size_t m_count = 0;
    size_t m_made = 0;
    size_t m_deleted = 0;
};

struct ValuePools {
    ValuePool<tLogoInt, 100> integers;
    ValuePool<tLogoReal, 100> reals;
    ValuePool<tLogoString, 100> words;
    ValuePool<tLogoBool, 100> booleans;
    ListCellPool cells;

    static ValuePools& instance()
    {
        // Never destroyed: values freed during static destruction still find their pools.
        static ValuePools* pools = create();
        return *pools;
    }

private:
    static ValuePools* create();
};

} // namespace velmora
