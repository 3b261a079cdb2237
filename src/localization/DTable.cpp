#include "localization/DTable.h"

#include "localization/DictionaryText.h"

#include <algorithm>
#include <cstddef>

namespace velmora {

TDTable::TDTable(std::string_view name)
    : m_name(asciiLowered(trimmed(name)))
{
}

void TDTable::insert(std::string key, std::string value)
{
    const auto after = std::upper_bound(m_entries.begin(), m_entries.end(), key,
        [](const std::string& wanted, const DictionaryEntry& entry) { return wanted < entry.key; });
    m_entries.insert(after, DictionaryEntry { std::move(key), std::move(value) });
}

std::optional<std::string_view> TDTable::find(std::string_view key) const
{
    std::ptrdiff_t low = 0;
    std::ptrdiff_t high = static_cast<std::ptrdiff_t>(m_entries.size()) - 1;
    while (low <= high) {
        const std::ptrdiff_t middle = low + (high - low) / 2;
        const DictionaryEntry& entry = m_entries[static_cast<size_t>(middle)];
        const int order = entry.key.compare(key);
        if (order == 0)
            return entry.value;
        if (order < 0)
            low = middle + 1;
        else
            high = middle - 1;
    }
    return std::nullopt;
}

} // namespace velmora
