// tDrawingList: a compiled drawing list: the list it was compiled from and its drawing items.
//
// The "drawlist" family compiles, renders and drops one at once; a vector shape keeps its list
// until the shape changes, and the window thread renders it meanwhile. So the items are guarded
// by the list's own lock: compiling and clearing take it, and so must whoever reads the items.
// The source is a Logo value, held and let go under the interpreter lock.
#pragma once

#include "core/DrawingCompiler.h"
#include "values/ValueRef.h"

#include <cstdint>
#include <mutex>
#include <vector>

namespace velmora {

class tDrawingList {
public:
    // Compiles under the interpreter lock. A list that fails leaves no items and throws its error.
    void compile(tLogoList* source, const DrawingStyle& style);
    void clear();

    tLogoList* source() const { return m_source.get(); }
    // Guards the items and their generation.
    std::mutex& lock() const { return m_lock; }
    // Under the lock.
    const std::vector<DrawingItem>& items() const { return m_items; }
    bool empty() const { return m_items.empty(); }
    // Counts the changes of the items, so that what was worked out from them can tell it is
    // out of date.
    uint64_t generation() const { return m_generation; }

private:
    void replaceItems(std::vector<DrawingItem> items);

    Ref<tLogoList> m_source;
    mutable std::mutex m_lock;
    std::vector<DrawingItem> m_items;
    uint64_t m_generation = 0;
};

} // namespace velmora
