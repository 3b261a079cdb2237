// tLogoList: one cell of a singly linked list.
//
// A list of n elements is n cells; the empty list is one cell whose first and rest are both none.
// Primitives never change a list in place: they build new cells and share the elements (and may
// share a tail). Long lists are freed, compared and printed iteratively along `rest`, so their
// length never costs native stack; only nesting does, and not when a list is freed.
#pragma once

#include "values/CodeCache.h"
#include "values/LogoObject.h"
#include "values/ValueRef.h"

namespace velmora {

class tLogoList final : public tlogoobject {
public:
    // Takes a reference to each of first and rest.
    tLogoList(tlogoobject* first = nullptr, tLogoList* rest = nullptr);

    void free() override;
    tlogoobject* copy() override;
    bool isList() const override { return true; }
    bool isEmpty() override { return m_first == nullptr; }
    bool equals(tlogoobject* other) override;
    void appendPrintForm(std::string& out, bool bracketed) override;
    void appendSourceForm(std::string& out, bool bracketed) override;
    // Where the interpreter keeps the code the list compiles to.
    CodeCache& codeCache() { return m_code; }
    std::string_view className() const override { return "list"; }

    tlogoobject* first() const { return m_first; }
    tLogoList* rest() const { return m_rest; }
    // Number of elements; error 43 beyond what a 32-bit count can report.
    int32_t count() const;

    // Cell-level construction, used while a list is being built front to back: gives a cell that
    // has no rest yet its rest.
    void linkRest(tLogoList* rest)
    {
        m_rest = rest;
        addRef(rest);
    }

private:
    friend class ListCellPool;
    void reset(tlogoobject* first, tLogoList* rest)
    {
        refCount = 0;
        m_first = first;
        m_rest = rest;
        addRef(first);
        addRef(rest);
    }
    void appendForm(std::string& out, bool bracketed, bool source);

    tlogoobject* m_first;
    tLogoList* m_rest;
    CodeCache m_code;
};

// Walks the elements of a list: `for (tlogoobject* item : elements(list))`.
class ListElements {
public:
    class Iterator {
    public:
        explicit Iterator(const tLogoList* cell)
            : m_cell(cell && cell->first() ? cell : nullptr)
        {
        }
        tlogoobject* operator*() const { return m_cell->first(); }
        Iterator& operator++()
        {
            m_cell = m_cell->rest();
            if (m_cell && !m_cell->first())
                m_cell = nullptr;
            return *this;
        }
        bool operator!=(const Iterator& other) const { return m_cell != other.m_cell; }

    private:
        const tLogoList* m_cell;
    };
    explicit ListElements(const tLogoList* list)
        : m_list(list)
    {
    }
    Iterator begin() const { return Iterator(m_list); }
    Iterator end() const { return Iterator(nullptr); }

private:
    const tLogoList* m_list;
};

inline ListElements elements(const tLogoList* list) { return ListElements(list); }

} // namespace velmora
