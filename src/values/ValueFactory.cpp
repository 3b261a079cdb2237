#include "values/ValueFactory.h"

#include "localization/Characters.h"
#include "localization/LanguageWords.h"
#include "values/CountLimit.h"
#include "values/ValuePools.h"
#include "values/ValueRef.h"

#include <cmath>

namespace velmora {

namespace {
    template <typename T, typename Pool> T* fromPool(Pool& pool)
    {
        return PoolAccess::allowed() ? pool.take() : nullptr;
    }

    // Longer texts never go into pooled words: a variable copies a pooled value it keeps, and
    // copying a long text costs more than the allocation the pool saves.
    constexpr size_t longestPooledText = 64;
}

tLogoInt* makeFreshInteger(int32_t value) { return new tLogoInt(value); }

tLogoReal* makeFreshReal(LogoReal value) { return new tLogoReal(value); }

tlogonumber* makeNumber(LogoReal value)
{
    if (value == std::trunc(value) && value >= -2147483648.0L && value <= 2147483647.0L)
        return makeInteger(static_cast<int32_t>(value));
    return makeReal(value);
}

namespace {
    tLogoBool* makeFreshBool(bool value) { return new tLogoBool(value); }
}

tLogoBool* makeBool(bool value)
{
    return makePooledNumber(ValuePools::instance().booleans, value, makeFreshBool);
}

tLogoString* makeWord(std::string text)
{
    requireWordLength(text.size());
    if (!text.empty() && text[0] == middleDot)
        text = translateInternalName(std::move(text));
    if (text.size() <= longestPooledText) {
        if (tLogoString* pooled = fromPool<tLogoString>(ValuePools::instance().words)) {
            pooled->refCount = 0;
            pooled->setText(std::move(text));
            return pooled;
        }
    }
    return new tLogoString(std::move(text));
}

tLogoString* makeLastingWord(std::string text)
{
    requireWordLength(text.size());
    if (!text.empty() && text[0] == middleDot)
        text = translateInternalName(std::move(text));
    return new tLogoString(std::move(text));
}

tLogoString* makeWord(std::string_view text) { return makeWord(std::string(text)); }

tLogoString* makeWord(const char* text) { return makeWord(std::string(text)); }

// Values read from source live as long as the code they belong to, so they never come from the
// pools.
tLogoInt* makeIntegerWithText(int32_t value, std::string text)
{
    auto* number = new tLogoInt(value);
    number->setSourceText(std::move(text));
    return number;
}

tLogoReal* makeRealWithText(LogoReal value, std::string text)
{
    auto* number = new tLogoReal(value);
    number->setSourceText(std::move(text));
    return number;
}

tLogoBool* makeBoolWithText(bool value, std::string text)
{
    auto* boolean = new tLogoBool(value);
    boolean->setSourceText(translateInternalName(std::move(text)));
    return boolean;
}

tLogoList* makeEmptyList() { return makeListCell(nullptr, nullptr); }

ListBuilder::~ListBuilder() { release(m_head); }

void ListBuilder::appendElementsFrom(tLogoList*& cell, int32_t count)
{
    ListCellPool& pool = ValuePools::instance().cells;
    tLogoList* from = cell && cell->first() ? cell : nullptr;
    // The last cell in a local, so that the loop keeps it in a register.
    tLogoList* last = m_last;
    for (; from && count > 0; --count) {
        link(last, pool.take(from->first(), nullptr));
        from = from->rest();
        if (from && !from->first())
            from = nullptr;
    }
    m_last = last;
    cell = from;
}

tLogoList* ListBuilder::finishOnto(tLogoList* tail)
{
    if (!m_head)
        return tail ? tail : makeEmptyList();
    m_last->linkRest(tail);
    tLogoList* head = takeFromHolder(m_head);
    --head->refCount;
    m_last = nullptr;
    return head;
}

} // namespace velmora
