#include "localization/DTables.h"

#include <algorithm>
#include <bit>
#include <cstdint>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace velmora {

namespace {

#ifdef __SSE2__
    // The sixteen bytes with the letters A to Z among the first count of them lowered. Bytes from
    // 128 up compare as negative, so they are never taken for letters.
    __m128i lowerFirst(__m128i bytes, int count)
    {
        const __m128i places = _mm_setr_epi8(0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15);
        const __m128i wanted = _mm_cmplt_epi8(places, _mm_set1_epi8(static_cast<char>(count)));
        const __m128i capital = _mm_and_si128(_mm_cmpgt_epi8(bytes, _mm_set1_epi8('A' - 1)),
            _mm_cmplt_epi8(bytes, _mm_set1_epi8('Z' + 1)));
        const __m128i lowering = _mm_and_si128(_mm_and_si128(wanted, capital), _mm_set1_epi8(32));
        return _mm_add_epi8(bytes, lowering);
    }
#endif

    // A line as the reader gives it: trimmed, with the place of its first "=" in it (npos when it
    // has none).
    struct Line {
        std::string_view text;
        size_t equals;
    };

    // The lines of a text that hold more than blanks. Line breaks are blanks, so skipping the
    // blanks before a line passes over the break that ends the line before, CR LF as one break or
    // two, and over empty lines, which are ignored anyway.
    //
    // Reading a line lowers its letters A to Z before its first "=" in place: a pair's key is
    // lowered in the same pass that finds the line's end and its "=". What else is lowered that
    // way belongs to comments, section lines (whose names are lowered anyway) and ignored lines,
    // which nothing ever shows.
    class LineReader {
    public:
        explicit LineReader(std::span<char> text)
            : m_text(text)
        {
        }

        // The next line; its text is empty when none is left.
        Line next()
        {
            while (m_start < m_text.size() && isBlank(m_text[m_start]))
                ++m_start;
            const size_t start = m_start;
            size_t equals = std::string_view::npos;
            m_start = scanLine(start, equals);
            return { trimmedBack({ m_text.data() + start, m_start - start }),
                equals == std::string_view::npos ? equals : equals - start };
        }

    private:
        // Where the line from `from` ends, at its first CR or LF or at the end of the text; sets
        // equals to the place of its first "=", lowering the letters before it.
        size_t scanLine(size_t from, size_t& equals)
        {
#ifdef __SSE2__
            // Sixteen bytes at a time, where memchr would need a pass for each byte sought.
            for (; m_text.size() - from >= 16; from += 16) {
                auto* place = reinterpret_cast<__m128i*>(m_text.data() + from);
                const __m128i bytes = _mm_loadu_si128(place);
                const unsigned breaks = static_cast<unsigned>(
                    _mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(bytes, _mm_set1_epi8('\r')),
                        _mm_cmpeq_epi8(bytes, _mm_set1_epi8('\n')))));
                if (equals == std::string_view::npos) {
                    const unsigned equalSigns = static_cast<unsigned>(
                        _mm_movemask_epi8(_mm_cmpeq_epi8(bytes, _mm_set1_epi8('='))));
                    const unsigned stops = breaks | equalSigns;
                    const int keyBytes = stops ? std::countr_zero(stops) : 16;
                    _mm_storeu_si128(place, lowerFirst(bytes, keyBytes));
                    if ((equalSigns >> keyBytes) & 1)
                        equals = from + static_cast<size_t>(keyBytes);
                }
                if (breaks)
                    return from + static_cast<size_t>(std::countr_zero(breaks));
            }
#endif
            for (; from < m_text.size(); ++from) {
                char& byte = m_text[from];
                if (byte == '\r' || byte == '\n')
                    break;
                if (equals != std::string_view::npos)
                    continue;
                if (byte == '=')
                    equals = from;
                else
                    byte = asciiLower(byte);
            }
            return from;
        }

        std::span<char> m_text;
        size_t m_start = 0;
    };

    // A pair takes at least three bytes, its key, "=" and a line break (the last line may lack
    // the break, but the section line before the first pair takes more), so the length bounds
    // the pairs. Reserving that many once keeps the pairs where the sections' views point; the
    // room a text of longer lines leaves unused is never touched, so it costs address space
    // only.
    size_t pairBound(size_t textSize) { return textSize / 3 + 1; }

    bool nameBefore(const TDTable& a, const TDTable& b) { return a.name() < b.name(); }

} // namespace

void TDTables::parse(ByteBuffer text)
{
    m_text = std::move(text);
    parseOwnText();
}

void TDTables::parseText(std::string_view text)
{
    m_text = ByteBuffer { std::make_unique_for_overwrite<char[]>(text.size()), text.size() };
    std::copy(text.begin(), text.end(), m_text.bytes.get());
    parseOwnText();
}

void TDTables::parseOwnText()
{
    m_sections.clear();
    m_pairs.clear();
    m_filling.reset();
    const std::string_view whole(m_text.bytes.get(), m_text.size);
    const size_t end = std::min({ whole.find('\0'), whole.size(), size_t { UINT32_MAX } });
    const std::span<char> text(m_text.bytes.get(), end);
    m_pairs.reserve(pairBound(text.size()));
    LineReader lines(text);
    for (Line line = lines.next(); !line.text.empty(); line = lines.next())
        parseLine(line.text, line.equals);
    closeSection();
    // Equal names keep their file order, so the later of two sits last.
    std::stable_sort(m_sections.begin(), m_sections.end(), nameBefore);
}

uint32_t TDTables::placeOf(std::string_view part) const
{
    return static_cast<uint32_t>(part.data() - m_text.bytes.get());
}

std::span<char> TDTables::writable(std::string_view part)
{
    return { m_text.bytes.get() + placeOf(part), part.size() };
}

void TDTables::parseLine(std::string_view line, size_t equals)
{
    if (line.front() == ';')
        return;
    if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
        openSection(trimmed(line.substr(1, line.size() - 2)));
        return;
    }
    if (!m_filling || equals == std::string_view::npos)
        return;
    // The line is trimmed, so the key can only end in blanks and the value only start with them.
    const std::string_view key = trimmedBack(line.substr(0, equals));
    if (key.empty())
        return;
    const std::string_view value = trimmedFront(line.substr(equals + 1));
    m_pairs.push_back({ placeOf(key), static_cast<uint32_t>(key.size()), placeOf(value),
        static_cast<uint32_t>(value.size()) });
}

void TDTables::openSection(std::string_view name)
{
    closeSection();
    lowerAscii(writable(name));
    m_filling = Filling { name, m_pairs.size() };
}

void TDTables::closeSection()
{
    if (!m_filling)
        return;
    const std::span<DictionaryPair> pairs(m_pairs);
    m_sections.emplace_back(
        m_filling->name, m_text.bytes.get(), pairs.subspan(m_filling->firstPair));
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
