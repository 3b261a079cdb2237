#include "interpreter/PendingPrimitives.h"

#include "localization/NameCodes.h"
#include "localization/NameComparison.h"
#include "localization/NameTranslation.h"

#include <bit>

namespace velmora {

void PendingPrimitives::offer(
    tlogoobject* owner, std::span<const PrimitiveRow> rows, Precedence precedence)
{
    m_offers.push_back({ rows, owner, precedence });
    m_indexed = false;
}

bool PendingPrimitives::settleOnce(NameCode name)
{
    const auto at = static_cast<size_t>(name);
    if (at >= m_settled.size())
        m_settled.resize(
            std::max<size_t>(at + 1, static_cast<size_t>(NameCodes::instance().count()) + 1));
    if (m_settled[at])
        return false;
    m_settled[at] = true;
    return true;
}

void PendingPrimitives::settle(NameCode name)
{
    if (name >= 1 && name <= NameCodes::instance().count())
        settleOnce(name);
}

PendingPrimitives::Claimed PendingPrimitives::claim(NameCode name)
{
    // Codes past the interned ones ("#n") never name a primitive.
    if (name < 1 || name > NameCodes::instance().count() || !settleOnce(name))
        return {};
    if (!m_indexed)
        buildIndex();
    if (m_spellings.empty())
        return {};
    const std::string_view spelling = NameCodes::instance().nameOf(name);
    const uint32_t found = m_slots[slotOf(spelling, currentNameComparison().hash(spelling))];
    if (found == 0)
        return {};
    const Spelling& entry = m_spellings[found - 1];
    const Offer& offer = m_offers[entry.offer];
    return { &offer.rows[entry.row], offer.owner };
}

// Every `Replaces` row in offering order, so that the last one wins a shared spelling, then the
// `FillsGaps` rows, which only take spellings still free.
void PendingPrimitives::buildIndex()
{
    m_text.clear();
    m_spellings.clear();
    size_t rowCount = 0;
    for (const Offer& offer : m_offers)
        rowCount += offer.rows.size();
    // Rows have two spellings or so: room for twice that, half full.
    m_slots.assign(std::bit_ceil(std::max<size_t>(64, 4 * rowCount)), 0);
    for (Precedence precedence : { Precedence::Replaces, Precedence::FillsGaps }) {
        for (size_t offer = 0; offer < m_offers.size(); ++offer) {
            if (m_offers[offer].precedence != precedence)
                continue;
            const std::span<const PrimitiveRow> rows = m_offers[offer].rows;
            for (size_t row = 0; row < rows.size(); ++row) {
                // Captured by value, small enough for the function object to hold in place.
                forEachSpellingOf(rows[row].name,
                    [this, offer = static_cast<uint16_t>(offer), row = static_cast<uint16_t>(row)](
                        std::string_view spelling) { enter(spelling, offer, row); });
            }
        }
    }
    m_indexed = true;
}

void PendingPrimitives::enter(std::string_view spelling, uint16_t offer, uint16_t row)
{
    // Kept at most half full, so probing stays short.
    if (2 * (m_spellings.size() + 1) > m_slots.size())
        growSlots();
    const uint32_t hash = currentNameComparison().hash(spelling);
    uint32_t& slot = m_slots[slotOf(spelling, hash)];
    if (slot != 0) {
        if (m_offers[offer].precedence == Precedence::Replaces) {
            m_spellings[slot - 1].offer = offer;
            m_spellings[slot - 1].row = row;
        }
        return;
    }
    m_spellings.push_back({ static_cast<uint32_t>(m_text.size()),
        static_cast<uint32_t>(spelling.size()), hash, offer, row });
    m_text.append(spelling);
    slot = static_cast<uint32_t>(m_spellings.size());
}

void PendingPrimitives::growSlots()
{
    std::vector<uint32_t> old(m_slots.size() * 2, 0);
    old.swap(m_slots);
    for (uint32_t index : old) {
        if (index != 0) {
            const Spelling& stored = m_spellings[index - 1];
            m_slots[slotOf(textOf(stored), stored.hash)] = index;
        }
    }
}

size_t PendingPrimitives::slotOf(std::string_view spelling, uint32_t hash) const
{
    const NameComparison& comparison = currentNameComparison();
    const size_t mask = m_slots.size() - 1;
    for (size_t slot = hash & mask;; slot = (slot + 1) & mask) {
        const uint32_t index = m_slots[slot];
        if (index == 0)
            return slot;
        const Spelling& stored = m_spellings[index - 1];
        if (stored.hash == hash && comparison.equal(textOf(stored), spelling))
            return slot;
    }
}

} // namespace velmora
