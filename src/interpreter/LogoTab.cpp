#include "interpreter/LogoTab.h"

#include "interpreter/PendingPrimitives.h"
#include "localization/LanguageDictionary.h"
#include "values/Errors.h"

#include <algorithm>
#include <limits>

namespace velmora {

std::mutex& tableOrderLock()
{
    static std::mutex lock;
    return lock;
}

tLogoTab::tLogoTab(std::string_view labelKey)
    : m_labelKey(labelKey)
{
}

tLogoTab::~tLogoTab() { clear(); }

void tLogoTab::clear()
{
    noteChange();
    {
        std::lock_guard guard(tableOrderLock());
        m_firstDesc = m_lastDesc = nullptr;
    }
    for (tTabDesc* desc : m_entries)
        delete desc;
    m_entries.clear();
    m_pending.reset();
    m_low = 1;
    m_high = 0;
}

std::string tLogoTab::labelText() const { return languageDictionary().message(m_labelKey); }

tTabDesc* tLogoTab::get(NameCode name)
{
    if (tTabDesc* found = find(name))
        return found;
    missingOnGet(name);
    return nullptr;
}

void tLogoTab::missingOnGet(NameCode name)
{
    throw eLogoException::withName(erDoNotKnowHowTo, name);
}

void tLogoTab::missingOnErase(NameCode name)
{
    throw eLogoException::withName(erDoNotKnowHowTo, name);
}

// An empty table opens a small window around the first code; later the window grows by half its
// size, and by at least that small window, at a time: a step of fixed size would copy the whole
// window once per step, so that registering n names in creation order would cost n squared. The
// first window stays small because every object has tables of its own, most of them holding a
// name or two: a window of 512 codes cost each such table 4 kB.
void tLogoTab::growFor(NameCode name)
{
    constexpr int64_t firstWindow = 16;
    if (name < 1)
        throw eLogoException(erInternLogoTab);
    int64_t low = m_low, high = m_high;
    const int64_t margin = std::max<int64_t>(firstWindow, (high - low + 1) / 2);
    if (m_entries.empty()) {
        low = std::max<int64_t>(1, name - firstWindow / 2);
        high = low + firstWindow - 1;
    } else if (name < m_low) {
        low = std::max<int64_t>(1, std::min<int64_t>(name, low - margin));
    } else {
        high = std::max<int64_t>(name, high + margin);
    }
    high = std::min<int64_t>(high, std::numeric_limits<NameCode>::max());
    std::vector<tTabDesc*> entries(static_cast<size_t>(high - low + 1), nullptr);
    if (!m_entries.empty())
        std::copy(m_entries.begin(), m_entries.end(), entries.begin() + (m_low - low));
    m_entries = std::move(entries);
    m_low = static_cast<NameCode>(low);
    m_high = static_cast<NameCode>(high);
}

void tLogoTab::offerPrimitives(
    tlogoobject* owner, std::span<const PrimitiveRow> rows, Precedence precedence)
{
    if (!m_pending)
        m_pending = std::make_unique<PendingPrimitives>();
    m_pending->offer(owner, rows, precedence);
}

tTabDesc* tLogoTab::enterPending(NameCode name) const
{
    const PendingPrimitives::Claimed claimed = m_pending->claim(name);
    if (!claimed.row)
        return nullptr;
    std::unique_ptr<tTabDesc> desc(claimed.row->make(*claimed.row, name, claimed.owner));
    desc->flags |= builtin;
    return const_cast<tLogoTab*>(this)->store(std::move(desc));
}

// A pending primitive under the same name gives way for good, as it would have been replaced had
// it been entered already.
void tLogoTab::registerDesc(tTabDesc* desc)
{
    std::unique_ptr<tTabDesc> owned(desc);
    noteChange();
    if (m_pending)
        m_pending->settle(desc->name);
    store(std::move(owned));
}

// The descriptor of a pending primitive arrives here directly: it changes no lookup's answer, so
// resolutions made before stay valid.
tTabDesc* tLogoTab::store(std::unique_ptr<tTabDesc> owned)
{
    tTabDesc* desc = owned.get();
    if (desc->name < m_low || desc->name > m_high || m_entries.empty())
        growFor(desc->name);
    if (entered(desc->name))
        eraseAt(desc->name);
    desc->table = this;
    m_entries[static_cast<size_t>(desc->name - m_low)] = owned.release();
    std::lock_guard guard(tableOrderLock());
    desc->prevDesc = m_lastDesc;
    desc->nextDesc = nullptr;
    if (m_lastDesc)
        m_lastDesc->nextDesc = desc;
    else
        m_firstDesc = desc;
    m_lastDesc = desc;
    return desc;
}

void tLogoTab::eraseAt(NameCode name)
{
    noteChange();
    tTabDesc*& slot = m_entries[static_cast<size_t>(name - m_low)];
    tTabDesc* desc = slot;
    {
        std::lock_guard guard(tableOrderLock());
        (desc->prevDesc ? desc->prevDesc->nextDesc : m_firstDesc) = desc->nextDesc;
        (desc->nextDesc ? desc->nextDesc->prevDesc : m_lastDesc) = desc->prevDesc;
    }
    slot = nullptr;
    delete desc;
}

void tLogoTab::erase(NameCode name)
{
    if (!find(name))
        missingOnErase(name);
    eraseAt(name);
}

void tLogoTab::tryErase(NameCode name)
{
    if (find(name))
        eraseAt(name);
}

void tLogoTab::eraseAll(NameCode exceptName)
{
    for (NameCode name = m_low; name <= m_high && !m_entries.empty(); ++name) {
        tTabDesc* desc = entered(name);
        if (desc && !(desc->flags & builtin) && name != exceptName)
            eraseAt(name);
    }
}

void tLogoTab::forEachInOrder(const std::function<void(tTabDesc*)>& visit) const
{
    std::lock_guard guard(tableOrderLock());
    for (tTabDesc* desc = m_firstDesc; desc; desc = desc->nextDesc)
        visit(desc);
}

void tLogoTab::forEachSlot(const std::function<void(tTabDesc*)>& visit) const
{
    for (tTabDesc* desc : m_entries)
        if (desc)
            visit(desc);
}

} // namespace velmora
