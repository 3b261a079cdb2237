#include "interpreter/PendingPrimitives.h"

#include "localization/NameCodes.h"
#include "localization/NameTranslation.h"

namespace velmora {

void PendingPrimitives::offer(
    tlogoobject* owner, std::span<const PrimitiveRow> rows, Precedence precedence)
{
    m_offers.push_back({ rows, owner, precedence });
    if (m_indexed)
        index(m_offers.size() - 1);
}

void PendingPrimitives::settle(NameCode name)
{
    indexOnce();
    take(name);
}

PendingPrimitives::Claimed PendingPrimitives::claim(NameCode name)
{
    indexOnce();
    const Waiting waiting = take(name);
    if (!waiting.waits)
        return {};
    const Offer& offer = m_offers[waiting.offer];
    return { &offer.rows[waiting.row], offer.owner };
}

// Every `Replaces` offer in order, so that the last row wins a shared spelling, then the
// `FillsGaps` offers, which only take codes still free.
void PendingPrimitives::indexOnce()
{
    if (m_indexed)
        return;
    m_indexed = true;
    for (Precedence precedence : { Precedence::Replaces, Precedence::FillsGaps }) {
        for (size_t offer = 0; offer < m_offers.size(); ++offer) {
            if (m_offers[offer].precedence == precedence)
                index(offer);
        }
    }
}

void PendingPrimitives::index(size_t offer)
{
    const bool replaces = m_offers[offer].precedence == Precedence::Replaces;
    const std::span<const PrimitiveRow> rows = m_offers[offer].rows;
    for (size_t row = 0; row < rows.size(); ++row) {
        const Waiting waiting { static_cast<uint16_t>(offer), static_cast<uint16_t>(row), true };
        // Captured by value, small enough for the function object to hold in place.
        forEachSpellingOf(rows[row].name, [this, waiting, replaces](std::string_view spelling) {
            NameCodes& codes = NameCodes::instance();
            const auto code = static_cast<size_t>(codes.intern(spelling));
            // "#n" spellings stand for codes past the interned ones and wait nowhere.
            if (code > static_cast<size_t>(codes.count()))
                return;
            if (code >= m_waiting.size())
                m_waiting.resize(static_cast<size_t>(codes.count()) + 1);
            if (replaces || !m_waiting[code].waits)
                m_waiting[code] = waiting;
        });
    }
}

PendingPrimitives::Waiting PendingPrimitives::take(NameCode name)
{
    if (name < 1 || static_cast<size_t>(name) >= m_waiting.size())
        return {};
    const Waiting waiting = m_waiting[static_cast<size_t>(name)];
    m_waiting[static_cast<size_t>(name)] = {};
    return waiting;
}

} // namespace velmora
