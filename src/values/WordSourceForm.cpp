#include "values/WordSourceForm.h"

#include "localization/Characters.h"
#include "values/CharacterClasses.h"

namespace velmora {

namespace {

    std::string barred(std::string_view characters)
    {
        return std::string(1, '|').append(characters).append(1, '|');
    }

    // Builds the escaped form and, while it stays possible, the form between bars.
    class SourceFormBuilder {
    public:
        explicit SourceFormBuilder(std::string_view word)
            : m_word(word)
        {
        }

        std::string build()
        {
            if (m_word.empty())
                return "||";
            for (m_index = 0; m_index < m_word.size(); ++m_index)
                scan(m_word[m_index]);
            return finish();
        }

    private:
        bool afterLeadingQuote() const { return m_index == 1 && m_word[0] == '"'; }
        bool isLast() const { return m_index + 1 == m_word.size(); }

        void escape(char c)
        {
            m_escaped += '\\';
            m_escaped += c;
            m_barred += c;
            m_needsEscapes = true;
        }
        void keep(char c)
        {
            m_escaped += c;
            m_barred += c;
        }
        void lineBreak(char c)
        {
            // A line break that opens a word is written as a character code: a leading pilcrow
            // would read back as a pilcrow.
            if (m_index == 0) {
                m_escaped += "\\13";
                const bool crlf = c == '\r' && m_word.size() > 1 && m_word[1] == '\n';
                if (m_word.size() > (crlf ? 2u : 1u))
                    m_escaped += '.';
                m_needsEscapes = true;
            } else {
                m_escaped += pilcrow;
            }
            m_barred += pilcrow;
            if (c == '\r' && m_index + 1 < m_word.size() && m_word[m_index + 1] == '\n')
                ++m_index;
        }
        void controlCharacter(char c)
        {
            std::string code(1, '\\');
            code += std::to_string(static_cast<uint8_t>(c));
            if (isLast() && m_needsEscapes && m_barPossible) {
                m_finalCode = code;
                return;
            }
            m_escaped += code;
            if (!isLast())
                m_escaped += '.';
            m_barPossible = false;
        }

        void scan(char c)
        {
            const auto byte = static_cast<uint8_t>(c);
            if (c == ' ' || c == '[' || c == ']' || c == '\\')
                escape(c);
            else if (c == pilcrow || c == '|') {
                m_escaped += '\\';
                m_escaped += c;
                m_barPossible = false;
            } else if (c == '"') {
                if (m_index == 0 || afterLeadingQuote())
                    keep(c);
                else
                    escape(c);
            } else if (isOperatorCharacter(c)) {
                if (m_word.size() == 1 || afterLeadingQuote())
                    keep(c);
                else
                    escape(c);
            } else if (c == '\n' || c == '\r')
                lineBreak(c);
            else if (byte < 32)
                controlCharacter(c);
            else
                keep(c);
        }

        std::string finish()
        {
            if (!m_finalCode.empty())
                return barred(m_barred).append(m_finalCode);
            if (m_escaped == "\\<\\>" || m_escaped == "\\<\\=" || m_escaped == "\\>\\=")
                return std::string(m_word);
            if (!m_needsEscapes || !m_barPossible)
                return m_escaped;
            if (m_word[0] == '"')
                return std::string(1, '"').append(barred(std::string_view(m_barred).substr(1)));
            return barred(m_barred);
        }

        std::string_view m_word;
        size_t m_index = 0;
        std::string m_escaped;
        std::string m_barred;
        std::string m_finalCode;
        bool m_needsEscapes = false;
        bool m_barPossible = true;
    };

} // namespace

void appendWordSourceForm(std::string& out, std::string_view word)
{
    out += SourceFormBuilder(word).build();
}

} // namespace velmora
