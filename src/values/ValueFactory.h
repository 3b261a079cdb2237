// Factories of Logo values. Each returns a value with no holder (refCount 0).
//
// Called from a Logo process, numbers, text words and booleans come from the recycling pools
// while those have instances left, and list cells from the cell pool, so that arithmetic and list
// building cause no heap traffic in the common case. Elsewhere (start-up, the window thread) they
// always allocate.
#pragma once

#include "values/LogoList.h"
#include "values/LogoNumber.h"
#include "values/LogoString.h"
#include "values/ValuePools.h"

#include <string>
#include <string_view>
#include <utility>

namespace velmora {

class tLogoStack;

// Per-thread switch: the pools are used only by the thread that runs Logo code under the
// interpreter lock.
class PoolAccess {
public:
    static bool allowed() { return t_allowed; }
    static void allow(bool allowed) { t_allowed = allowed; }

private:
    static constinit inline thread_local bool t_allowed = false;
};

// Numbers are made on every step of arithmetic: from a pool when the caller may use one and it
// has an instance left, which is the common case, inline.
template <typename Number, typename Value>
Number* makePooledNumber(ValuePool<Number, 100>& pool, Value value, Number* (*fresh)(Value))
{
    if (PoolAccess::allowed()) {
        if (Number* pooled = pool.take()) {
            pooled->refCount = 0;
            pooled->setValue(value);
            return pooled;
        }
    }
    return fresh(value);
}
tLogoInt* makeFreshInteger(int32_t value);
tLogoReal* makeFreshReal(LogoReal value);

inline tLogoInt* makeInteger(int32_t value)
{
    return makePooledNumber(ValuePools::instance().integers, value, makeFreshInteger);
}
inline tLogoReal* makeReal(LogoReal value)
{
    return makePooledNumber(ValuePools::instance().reals, value, makeFreshReal);
}
// A real whose value has no fraction and fits 32 bits becomes an integer.
tlogonumber* makeNumber(LogoReal value);
tLogoBool* makeBool(bool value);
// The text of an internal name (beginning with the middle dot) is translated first. A text longer
// than a word may be is error 43 (values/CountLimit.h); builders check before they allocate it.
tLogoString* makeWord(std::string text);
tLogoString* makeWord(std::string_view text);
tLogoString* makeWord(const char* text);
// A word that will live long (a constant of compiled code, an element read from source): never
// taken from the pool.
tLogoString* makeLastingWord(std::string text);

// Numbers and booleans read from source print as the text they were read from.
tLogoInt* makeIntegerWithText(int32_t value, std::string text);
tLogoReal* makeRealWithText(LogoReal value, std::string text);
tLogoBool* makeBoolWithText(bool value, std::string text);

// A list cell; takes a reference to first and rest.
inline tLogoList* makeListCell(tlogoobject* first, tLogoList* rest)
{
    return ValuePools::instance().cells.take(first, rest);
}
tLogoList* makeEmptyList();

// Builds a list front to back in linear time.
class ListBuilder {
public:
    ListBuilder() = default;
    ListBuilder(const ListBuilder&) = delete;
    ListBuilder& operator=(const ListBuilder&) = delete;
    ListBuilder(ListBuilder&& other) noexcept
        : m_head(std::exchange(other.m_head, nullptr))
        , m_last(std::exchange(other.m_last, nullptr))
    {
    }
    ~ListBuilder();

    void append(tlogoobject* element) { link(m_last, makeListCell(element, nullptr)); }
    // Appends the elements of up to `count` cells from `cell` on, and leaves `cell` at the first
    // cell not copied (none at the end of the list): one tight loop for copying a list's front.
    void appendElementsFrom(tLogoList*& cell, int32_t count);
    // The finished list (the empty list when nothing was appended), with no holder.
    tLogoList* finish() { return finishOnto(nullptr); }
    // The appended elements followed by the elements of `tail` (which is shared, not copied);
    // `tail` itself when nothing was appended, the empty list when both are empty.
    tLogoList* finishOnto(tLogoList* tail);

private:
    // Puts a fresh cell after `last` (the head when there is none) and makes it the last; the
    // head is held, so the cells hang together for the destructor should the next one fail.
    void link(tLogoList*& last, tLogoList* cell)
    {
        if (last) {
            last->linkRest(cell);
        } else {
            m_head = cell;
            addRef(m_head);
        }
        last = cell;
    }

    tLogoList* m_head = nullptr;
    tLogoList* m_last = nullptr;
};

} // namespace velmora
