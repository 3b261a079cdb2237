#include "ProgramWriter.h"

#include <algorithm>
#include <cstdio>
#include <iterator>

namespace velmora::fuzzing {

namespace {

    constexpr size_t maximumLines = 12;
    constexpr int maximumSoupTokens = 24;
    // Of inputs within calls and lists within lists, where they are written element by element.
    constexpr int maximumNesting = 4;
    constexpr int maximumListLength = 6;
    // Characters of a long word, elements of a long list, and the nesting of brackets and
    // parentheses written in one go: deep enough for the native stack guard's paths, far below
    // a depth that freeing a list cannot survive.
    constexpr int longestValue = 3000;
    constexpr int maximumBodyLines = 3;
    constexpr size_t longestVerbatim = 400;
    constexpr int maximumProcedureInputs = 3;

    // The characters a long word repeats: none of them ends a word.
    constexpr std::string_view longWordCharacters = "a1.E\xB6\xB7";

} // namespace

ProgramWriter::ProgramWriter(const ProgramVocabulary& vocabulary, std::span<const uint8_t> bytes)
    : m_vocabulary(vocabulary)
    , m_bytes(bytes.data(), bytes.size())
{
}

std::vector<std::string> ProgramWriter::program()
{
    std::vector<std::string> lines;
    while (m_bytes.remaining_bytes() > 0 && lines.size() < maximumLines) {
        switch (m_bytes.ConsumeIntegralInRange(0, 4)) {
        case 0:
            definition(lines);
            break;
        case 1:
            callLine(lines.emplace_back());
            break;
        case 2:
            verbatim(lines);
            break;
        default:
            soupLine(lines.emplace_back(), 0);
        }
    }
    return lines;
}

// Bytes taken as they are, up to a backslash followed by another byte ("\\" stands for one
// backslash), split into lines at line feeds. This is where the mutations work on the text
// itself, and how a seed file holds a program written by hand: its text, then a last byte 2 to
// ask for this kind of line.
void ProgramWriter::verbatim(std::vector<std::string>& lines)
{
    const std::string text = m_bytes.ConsumeRandomLengthString(longestVerbatim);
    for (size_t start = 0; start <= text.size();) {
        const size_t end = std::min(text.find('\n', start), text.size());
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
}

void ProgramWriter::soupLine(std::string& line, int depth)
{
    const int count = m_bytes.ConsumeIntegralInRange(1, maximumSoupTokens);
    for (int i = 0; i < count; ++i) {
        // Now and then two tokens touch, so that the reader splits or joins them itself.
        if (i > 0 && m_bytes.ConsumeIntegralInRange(0, 7) != 0)
            line += ' ';
        soupToken(line, depth);
    }
}

void ProgramWriter::soupToken(std::string& out, int depth)
{
    switch (m_bytes.ConsumeIntegralInRange(0, 13)) {
    case 0:
        return spelling(out);
    case 1:
        return primitiveSpelling(out);
    case 2:
        return number(out);
    case 3:
        return word(out);
    case 4:
        out += '"';
        return m_bytes.ConsumeBool() ? word(out) : spelling(out);
    case 5:
        out += ':';
        return pick(out, ProgramVocabulary::variableNames());
    case 6:
        return pick(out, ProgramVocabulary::punctuation());
    case 7:
        return pick(out, ProgramVocabulary::operators());
    case 8:
        return pick(out, m_vocabulary.keywords());
    case 9:
        pick(out, ProgramVocabulary::prefixes());
        return primitiveSpelling(out);
    case 10:
        return pick(out, ProgramVocabulary::procedureNames());
    case 11:
        return depth < maximumNesting ? call(out, depth + 1) : number(out);
    case 12:
        return depth < maximumNesting ? instructionList(out, depth + 1) : word(out);
    default:
        return longValue(out);
    }
}

void ProgramWriter::callLine(std::string& line)
{
    // What a call may stand in: as a command, as an input, or in an instruction list.
    static constexpr std::string_view openings[]
        = { "", "show ", "ignore ", "make \"x ", "print ", "catch \"error [", "repeat 3 [" };
    const std::string_view opening
        = openings[m_bytes.ConsumeIntegralInRange<size_t>(0, std::size(openings) - 1)];
    line += opening;
    call(line, 0);
    if (opening.ends_with('['))
        line += ']';
}

// A primitive with as many inputs as it takes without parentheses, or in parentheses with as
// many, fewer or more.
void ProgramWriter::call(std::string& out, int depth)
{
    const std::span<const PrimitiveSpelling> primitives = m_vocabulary.primitives();
    const PrimitiveSpelling& primitive
        = primitives[m_bytes.ConsumeIntegralInRange<size_t>(0, primitives.size() - 1)];
    int inputs = primitive.inputs;
    const int form = m_bytes.ConsumeIntegralInRange(0, 3);
    const bool parenthesised = form <= 1;
    if (form == 1)
        inputs = m_bytes.ConsumeIntegralInRange(0, primitive.inputs + 3);
    if (parenthesised)
        out += '(';
    out += primitive.name;
    for (int i = 0; i < inputs; ++i) {
        out += ' ';
        input(out, depth + 1);
    }
    if (parenthesised)
        out += ')';
}

void ProgramWriter::input(std::string& out, int depth)
{
    if (depth > maximumNesting)
        return number(out);
    switch (m_bytes.ConsumeIntegralInRange(0, 15)) {
    case 0:
        return number(out);
    case 1:
        out += std::to_string(m_bytes.ConsumeIntegral<int32_t>());
        return;
    case 2: {
        char text[32];
        std::snprintf(text, sizeof text, "%.17g", m_bytes.ConsumeFloatingPoint<double>());
        out += text;
        return;
    }
    case 3:
        out += m_bytes.ConsumeBool() ? "\"" : "\"||";
        return;
    case 4:
        out += '"';
        return word(out);
    case 5:
        out += '"';
        return spelling(out);
    case 6:
        out += '"';
        return pick(out, m_vocabulary.keywords());
    case 7:
        out += '"';
        return pick(out,
            m_bytes.ConsumeBool() ? ProgramVocabulary::procedureNames()
                                  : ProgramVocabulary::variableNames());
    case 8:
        out += ':';
        return pick(out, ProgramVocabulary::variableNames());
    case 9:
        return literal(out, depth);
    case 10:
        out += "[]";
        return;
    case 11:
        return instructionList(out, depth);
    case 12:
        return call(out, depth);
    case 13:
        out += '(';
        input(out, depth + 1);
        out += ' ';
        pick(out, ProgramVocabulary::operators());
        out += ' ';
        input(out, depth + 1);
        out += ')';
        return;
    case 14:
        return longValue(out);
    default:
        // A definition list of "apply", "map" and "define": [[inputs] line].
        out += "[[";
        pick(out, ProgramVocabulary::variableNames());
        out += "] ";
        instructionList(out, depth);
        out += ']';
        return;
    }
}

// An element of a list as the reader reads it: nothing in it is evaluated.
void ProgramWriter::literal(std::string& out, int depth)
{
    out += '[';
    const int count
        = depth < maximumNesting ? m_bytes.ConsumeIntegralInRange(0, maximumListLength) : 0;
    for (int i = 0; i < count; ++i) {
        if (i > 0)
            out += ' ';
        switch (m_bytes.ConsumeIntegralInRange(0, 4)) {
        case 0:
            number(out);
            break;
        case 1:
            word(out);
            break;
        case 2:
            spelling(out);
            break;
        case 3:
            pick(out, m_vocabulary.keywords());
            break;
        default:
            literal(out, depth + 1);
        }
    }
    out += ']';
}

void ProgramWriter::longValue(std::string& out)
{
    const auto length = m_bytes.ConsumeIntegralInRange<size_t>(1, longestValue);
    switch (m_bytes.ConsumeIntegralInRange(0, 3)) {
    case 0:
        out += '"';
        out.append(length,
            longWordCharacters[m_bytes.ConsumeIntegralInRange<size_t>(
                0, longWordCharacters.size() - 1)]);
        return;
    case 1:
        out += '[';
        for (size_t i = 0; i < length; ++i)
            out += "1 ";
        out += ']';
        return;
    case 2:
        out.append(length, '[').append(length, ']');
        return;
    default:
        out.append(length, '(').append("1").append(length, ')');
    }
}

// "to", a name, inputs, body lines and mostly an "end": without it the definition runs on to the
// end of the program.
void ProgramWriter::definition(std::vector<std::string>& lines)
{
    std::string& title = lines.emplace_back("to ");
    if (m_bytes.ConsumeIntegralInRange(0, 3) == 0)
        primitiveSpelling(title);
    else
        pick(title, ProgramVocabulary::procedureNames());
    const int inputs = m_bytes.ConsumeIntegralInRange(0, maximumProcedureInputs);
    for (int i = 0; i < inputs; ++i) {
        title += " :";
        pick(title, ProgramVocabulary::variableNames());
    }
    const int bodyLines = m_bytes.ConsumeIntegralInRange(1, maximumBodyLines);
    for (int i = 0; i < bodyLines; ++i) {
        std::string& line = lines.emplace_back();
        if (m_bytes.ConsumeBool())
            callLine(line);
        else
            soupLine(line, 0);
    }
    if (m_bytes.ConsumeIntegralInRange(0, 7) != 0)
        lines.emplace_back("end");
}

void ProgramWriter::instructionList(std::string& out, int depth)
{
    out += '[';
    if (m_bytes.ConsumeBool())
        call(out, depth);
    else
        soupLine(out, depth);
    out += ']';
}

void ProgramWriter::number(std::string& out) { pick(out, ProgramVocabulary::numbers()); }
void ProgramWriter::word(std::string& out) { pick(out, ProgramVocabulary::words()); }
void ProgramWriter::spelling(std::string& out) { pick(out, m_vocabulary.spellings()); }

void ProgramWriter::primitiveSpelling(std::string& out)
{
    const std::span<const PrimitiveSpelling> primitives = m_vocabulary.primitives();
    out += primitives[m_bytes.ConsumeIntegralInRange<size_t>(0, primitives.size() - 1)].name;
}

} // namespace velmora::fuzzing
