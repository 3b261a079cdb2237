#include "localization/NameCodes.h"

#include "localization/Characters.h"
#include "localization/NameComparison.h"
#include "localization/NameTranslation.h"

#include <algorithm>

namespace velmora {

namespace {

    // Room for the names start-up interns (the event, class and system names; the primitives'
    // spellings wait for the first lookup) without growing; a power of two.
    constexpr size_t initialIndexSize = 512;

} // namespace

NameCodes& NameCodes::instance()
{
    static NameCodes codes;
    return codes;
}

bool NameCodes::numericCode(std::string_view name, NameCode& code)
{
    if (name.size() < 2 || name[0] != '#')
        return false;
    uint32_t value = 0;
    for (char c : name.substr(1)) {
        if (c < '0' || c > '9')
            return false;
        value = (value * 10 + static_cast<uint32_t>(c - '0')) & 0xFFFF;
    }
    code = static_cast<NameCode>(static_cast<uint32_t>(value) + 2147483647u);
    return true;
}

// Linear probing in a table kept at most half full.
size_t NameCodes::slotOf(std::string_view name, uint32_t hash) const
{
    const NameComparison& comparison = currentNameComparison();
    const size_t mask = m_index.size() - 1;
    for (size_t slot = hash & mask;; slot = (slot + 1) & mask) {
        const Slot& probed = m_index[slot];
        if (probed.code == 0
            || (probed.hash == hash
                && comparison.equal(m_byCode[static_cast<size_t>(probed.code - 1)], name)))
            return slot;
    }
}

// Codes move to the first free slot from their hash on: no spelling is read, none can be equal.
void NameCodes::growIndex()
{
    std::vector<Slot> old(std::max(initialIndexSize, m_index.size() * 2), Slot {});
    old.swap(m_index);
    const size_t mask = m_index.size() - 1;
    for (const Slot& moved : old) {
        if (moved.code == 0)
            continue;
        size_t slot = moved.hash & mask;
        while (m_index[slot].code != 0)
            slot = (slot + 1) & mask;
        m_index[slot] = moved;
    }
}

NameCode NameCodes::find(std::string_view name) const
{
    NameCode code = 0;
    if (numericCode(name, code))
        return code;
    if (m_index.empty())
        return 0;
    return m_index[slotOf(name, currentNameComparison().hash(name))].code;
}

NameCode NameCodes::intern(std::string_view spelling)
{
    // An internal name is interned as its localized word.
    std::string translated;
    std::string_view name = spelling;
    if (spelling.size() > 1 && spelling[0] == middleDot) {
        translated = normalize(spelling, Reporting::ShowMessages);
        name = translated;
    }
    NameCode code = 0;
    if (numericCode(name, code))
        return code;
    if (2 * (m_byCode.size() + 1) > m_index.size())
        growIndex();
    const uint32_t hash = currentNameComparison().hash(name);
    Slot& slot = m_index[slotOf(name, hash)];
    if (slot.code == 0) {
        m_byCode.emplace_back(name);
        slot = { hash, static_cast<NameCode>(m_byCode.size()) };
    }
    return slot.code;
}

const std::string& NameCodes::nameOf(NameCode code) const
{
    static const std::string unknown = "<Unknown name>";
    if (code < 1 || code > static_cast<NameCode>(m_byCode.size()))
        return unknown;
    return m_byCode[static_cast<size_t>(code - 1)];
}

void NameCodes::clear()
{
    m_byCode.clear();
    std::fill(m_index.begin(), m_index.end(), Slot {});
}

} // namespace velmora
