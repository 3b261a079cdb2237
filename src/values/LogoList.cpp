#include "values/LogoList.h"

#include "values/CountLimit.h"
#include "values/NativeStack.h"
#include "values/ValueFactory.h"
#include "values/ValuePools.h"
#include "values/ValueRef.h"

namespace velmora {

tLogoList::tLogoList(tlogoobject* first, tLogoList* rest)
    : tlogoobject(ValueKind::List)
    , m_first(first)
    , m_rest(rest)
{
    addRef(first);
    addRef(rest);
}

// Frees the chain of cells iteratively, so that a long list costs no native stack, and a deeply
// nested one none either: a sublist that loses its last holder here is not freed by a call but
// waits in the cell that held it, on a stack made of such cells (`m_rest` links them, `m_first` is
// the sublist), and its chain is walked when the current one is done. A recycled cell keeps stale
// fields until the pool hands it out again.
void tLogoList::free()
{
    ListCellPool& pool = ValuePools::instance().cells;
    tLogoList* waiting = nullptr;
    tLogoList* cell = this;
    for (;;) {
        while (cell) {
            tlogoobject* first = cell->m_first;
            tLogoList* next = cell->m_rest;
            cell->m_code.clear();
            tlogoobject* freed = (first && --first->refCount < 1) ? first : nullptr;
            if (freed && freed->kind() == ValueKind::List) {
                cell->m_rest = waiting;
                waiting = cell;
            } else {
                pool.recycle(cell);
                if (freed)
                    freed->free();
            }
            cell = (next && --next->refCount < 1) ? next : nullptr;
        }
        if (!waiting)
            return;
        tLogoList* holder = waiting;
        waiting = holder->m_rest;
        cell = static_cast<tLogoList*>(holder->m_first);
        pool.recycle(holder);
    }
}

tlogoobject* tLogoList::copy()
{
    ListBuilder builder;
    for (tlogoobject* element : elements(this))
        builder.append(element);
    return builder.finish();
}

int32_t tLogoList::count() const
{
    uint64_t n = 0;
    for ([[maybe_unused]] tlogoobject* element : elements(this))
        ++n;
    if (n > largestCount) [[unlikely]]
        throwCountTooBig(n);
    return static_cast<int32_t>(n);
}

bool tLogoList::equals(tlogoobject* other)
{
    if (this == other)
        return true;
    NativeStack::check();
    if (!other->isList())
        return false;
    ListElements::Iterator a = elements(this).begin();
    ListElements::Iterator b = elements(static_cast<tLogoList*>(other)).begin();
    const ListElements::Iterator end = elements(nullptr).end();
    for (; a != end && b != end; ++a, ++b)
        if (!(*a)->equals(*b))
            return false;
    return !(a != end) && !(b != end);
}

void tLogoList::appendForm(std::string& out, bool bracketed, bool source)
{
    NativeStack::check();
    if (bracketed)
        out += '[';
    bool firstElement = true;
    for (tlogoobject* element : elements(this)) {
        if (!firstElement)
            out += ' ';
        firstElement = false;
        if (source)
            element->appendSourceForm(out, true);
        else
            element->appendPrintForm(out, true);
    }
    if (bracketed)
        out += ']';
}

void tLogoList::appendPrintForm(std::string& out, bool bracketed)
{
    appendForm(out, bracketed, false);
}

void tLogoList::appendSourceForm(std::string& out, bool bracketed)
{
    appendForm(out, bracketed, true);
}

} // namespace velmora
