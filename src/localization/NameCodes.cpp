#include "localization/NameCodes.h"

#include "localization/NameComparison.h"
#include "localization/NameTranslation.h"
#include "values/Characters.h"

#include <algorithm>

namespace velmora {

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

size_t NameCodes::lowerBound(std::string_view folded) const
{
    auto it = std::lower_bound(m_byName.begin(), m_byName.end(), folded,
        [](const Record* record, std::string_view key) { return record->folded < key; });
    return static_cast<size_t>(it - m_byName.begin());
}

NameCode NameCodes::find(std::string_view name) const
{
    NameCode code = 0;
    if (numericCode(name, code))
        return code;
    const std::string folded = currentNameComparison().folded(name);
    const size_t index = lowerBound(folded);
    if (index < m_byName.size() && m_byName[index]->folded == folded)
        return m_byName[index]->code;
    return 0;
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
    std::string folded = currentNameComparison().folded(name);
    const size_t index = lowerBound(folded);
    if (index < m_byName.size() && m_byName[index]->folded == folded)
        return m_byName[index]->code;
    code = static_cast<NameCode>(m_byCode.size() + 1);
    auto record = std::make_unique<Record>(Record { code, std::string(name), std::move(folded) });
    m_byName.insert(m_byName.begin() + static_cast<std::ptrdiff_t>(index), record.get());
    m_byCode.push_back(std::move(record));
    return code;
}

const std::string& NameCodes::nameOf(NameCode code) const
{
    static const std::string unknown = "<Unknown name>";
    if (code < 1 || code > static_cast<NameCode>(m_byCode.size()))
        return unknown;
    return m_byCode[static_cast<size_t>(code - 1)]->name;
}

void NameCodes::clear()
{
    m_byName.clear();
    m_byCode.clear();
}

} // namespace velmora
