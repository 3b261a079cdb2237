#include "localization/DTables.h"

#include "localization/CodedStream.h"
#include "localization/DictionaryText.h"

#include <algorithm>

namespace velmora {

namespace {

    // The length of the line break at the start of text: CR LF counts as one break.
    size_t lineBreakLength(std::string_view text) { return text.starts_with("\r\n") ? 2 : 1; }

    // The first section whose name is greater than name.
    std::vector<TDTable>::const_iterator sectionAfter(
        const std::vector<TDTable>& sections, const std::string& name)
    {
        return std::upper_bound(sections.begin(), sections.end(), name,
            [](const std::string& wanted, const TDTable& section) {
                return wanted < section.name();
            });
    }

} // namespace

void TDTables::parse(tcodedstream& stream) { parseText(readToEnd(stream).value_or("")); }

void TDTables::parseText(std::string_view text)
{
    m_sections.clear();
    text = text.substr(0, text.find('\0'));
    while (!text.empty()) {
        const size_t end = text.find_first_of("\r\n");
        parseLine(text.substr(0, end));
        if (end == std::string_view::npos)
            break;
        text.remove_prefix(end + lineBreakLength(text.substr(end)));
    }
    closeSection();
    m_sections.shrink_to_fit();
}

void TDTables::parseLine(std::string_view line)
{
    line = trimmed(line);
    if (line.empty() || line.front() == ';')
        return;
    if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
        openSection(line.substr(1, line.size() - 2));
        return;
    }
    const size_t equals = line.find('=');
    if (!m_filling || equals == std::string_view::npos)
        return;
    std::string key = asciiLowered(trimmed(line.substr(0, equals)));
    if (!key.empty())
        m_filling->insert(std::move(key), std::string(trimmed(line.substr(equals + 1))));
}

void TDTables::openSection(std::string_view name)
{
    closeSection();
    m_filling.emplace(name);
}

void TDTables::closeSection()
{
    if (!m_filling)
        return;
    m_filling->close();
    m_sections.insert(sectionAfter(m_sections, m_filling->name()), std::move(*m_filling));
    m_filling.reset();
}

const TDTable* TDTables::findSection(std::string_view name) const
{
    // The last section whose name is not greater than the wanted one; equal-named sections sit
    // in file order, so this is the later of them.
    const std::string wanted = asciiLowered(name);
    const auto after = sectionAfter(m_sections, wanted);
    if (after == m_sections.begin() || std::prev(after)->name() != wanted)
        return nullptr;
    return &*std::prev(after);
}

std::optional<std::string_view> TDTables::find(std::string_view section, std::string_view key) const
{
    const TDTable* table = findSection(section);
    if (!table)
        return std::nullopt;
    return table->find(asciiLowered(key));
}

} // namespace velmora
