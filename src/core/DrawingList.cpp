#include "core/DrawingList.h"

namespace velmora {

void tDrawingList::compile(tLogoList* source, const DrawingStyle& style)
{
    m_source = source;
    try {
        replaceItems(compileDrawingList(source, style));
    } catch (...) {
        replaceItems({});
        throw;
    }
}

void tDrawingList::clear()
{
    m_source = nullptr;
    replaceItems({});
}

void tDrawingList::replaceItems(std::vector<DrawingItem> items)
{
    std::lock_guard hold(m_lock);
    m_items = std::move(items);
    ++m_generation;
}

} // namespace velmora
