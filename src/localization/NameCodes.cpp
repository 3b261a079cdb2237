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
size_t NameCodes::slotOf(std::string_view name) const
{
    const NameComparison& comparison = currentNameComparison();
    const size_t mask = m_index.size() - 1;
    for (size_t slot = comparison.hash(name) & mask;; slot = (slot + 1) & mask) {
        const NameCode code = m_index[slot];
        if (code == 0 || comparison.equal(m_byCode[static_cast<size_t>(code - 1)], name))
            return slot;
    }
}

void NameCodes::growIndex()
{
    std::vector<NameCode> old(std::max(initialIndexSize, m_index.size() * 2), 0);
    old.swap(m_index);
    for (NameCode code : old) {
        if (code != 0)
            m_index[slotOf(m_byCode[static_cast<size_t>(code - 1)])] = code;
    }
}

NameCode NameCodes::find(std::string_view name) const
{
    NameCode code = 0;
    if (numericCode(name, code))
        return code;
    return m_index.empty() ? 0 : m_index[slotOf(name)];
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
    const size_t slot = slotOf(name);
    if (m_index[slot] != 0)
        return m_index[slot];
    m_byCode.emplace_back(name);
    m_index[slot] = static_cast<NameCode>(m_byCode.size());
    return m_index[slot];
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
    std::fill(m_index.begin(), m_index.end(), 0);
}

} // namespace velmora
