#include "localization/DTables.h"

#include "localization/CodedStream.h"

#include <algorithm>

namespace velmora {

namespace {

    // The lines of a text, ending at CR, LF or CR LF. The next CR and the next LF are each found
    // by memchr and remembered until passed, so the text is searched about twice in all however
    // its lines end.
    class LineReader {
    public:
        explicit LineReader(std::string_view text)
            : m_text(text)
            , m_lineFeed(text.find('\n'))
            , m_carriageReturn(text.find('\r'))
        {
        }

        bool atEnd() const { return m_start >= m_text.size(); }

        std::string_view next()
        {
            const size_t end
                = std::min(following('\n', m_lineFeed), following('\r', m_carriageReturn));
            const std::string_view line = m_text.substr(m_start, end - m_start);
            // CR LF counts as one break.
            m_start = end == std::string_view::npos
                ? end
                : end + (m_text.substr(end).starts_with("\r\n") ? 2 : 1);
            return line;
        }

    private:
        size_t following(char c, size_t& remembered)
        {
            if (remembered != std::string_view::npos && remembered < m_start)
                remembered = m_text.find(c, m_start);
            return remembered;
        }

        std::string_view m_text;
        size_t m_start = 0;
        size_t m_lineFeed;
        size_t m_carriageReturn;
    };

    // Each line gives at most one pair, so the line breaks bound the number of pairs; reserving
    // that many once keeps the pairs where the sections' views point.
    size_t pairBound(std::string_view text)
    {
        // Counted by memchr from break to break, which beats a byte-by-byte count on lines of
        // thirty bytes.
        const auto count = [text](char c) {
            size_t found = 0;
            for (size_t at = text.find(c); at != std::string_view::npos; at = text.find(c, at + 1))
                ++found;
            return found;
        };
        return count('\n') + count('\r') + 1;
    }

    bool nameBefore(const TDTable& a, const TDTable& b) { return a.name() < b.name(); }

} // namespace

void TDTables::parse(tcodedstream& stream)
{
    m_text = readToEnd(stream).value_or("");
    parseOwnText();
}

void TDTables::parseText(std::string_view text)
{
    m_text.assign(text);
    parseOwnText();
}

void TDTables::parseOwnText()
{
    m_sections.clear();
    m_entries.clear();
    m_filling.reset();
    m_text.resize(std::min(m_text.find('\0'), m_text.size()));
    m_entries.reserve(pairBound(m_text));
    for (LineReader lines(m_text); !lines.atEnd();)
        parseLine(lines.next());
    closeSection();
    // Equal names keep their file order, so the later of two sits last.
    std::stable_sort(m_sections.begin(), m_sections.end(), nameBefore);
}

std::span<char> TDTables::writable(std::string_view part)
{
    return { m_text.data() + (part.data() - m_text.data()), part.size() };
}

void TDTables::parseLine(std::string_view line)
{
    line = trimmed(line);
    if (line.empty() || line.front() == ';')
        return;
    if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
        openSection(trimmed(line.substr(1, line.size() - 2)));
        return;
    }
    const size_t equals = line.find('=');
    if (!m_filling || equals == std::string_view::npos)
        return;
    const std::string_view key = trimmed(line.substr(0, equals));
    if (key.empty())
        return;
    lowerAscii(writable(key));
    m_entries.push_back(DictionaryEntry { key, trimmed(line.substr(equals + 1)) });
}

void TDTables::openSection(std::string_view name)
{
    closeSection();
    lowerAscii(writable(name));
    m_filling = Filling { name, m_entries.size() };
}

void TDTables::closeSection()
{
    if (!m_filling)
        return;
    const std::span<DictionaryEntry> entries(m_entries);
    m_sections.emplace_back(m_filling->name, entries.subspan(m_filling->firstEntry));
    m_filling.reset();
}

// Sections are few, so a scan from the back, comparing lengths first, beats halving them; among
// equal names, which sit in file order, it meets the later first.
const TDTable* TDTables::findSection(std::string_view name) const
{
    for (auto section = m_sections.rbegin(); section != m_sections.rend(); ++section) {
        if (section->name().size() == name.size() && compareLowered(section->name(), name) == 0)
            return &*section;
    }
    return nullptr;
}

std::optional<std::string_view> TDTables::find(std::string_view section, std::string_view key) const
{
    const TDTable* table = findSection(section);
    if (!table)
        return std::nullopt;
    return table->find(key, LetterCase::Either);
}

} // namespace velmora
