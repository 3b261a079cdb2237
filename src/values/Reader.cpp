#include "values/Reader.h"

#include "localization/Characters.h"
#include "localization/DictionaryText.h"
#include "localization/LanguageWords.h"
#include "values/CharacterClasses.h"
#include "values/Errors.h"
#include "values/NumberText.h"
#include "values/ValueFactory.h"
#include "values/ValueRef.h"

#include <vector>

namespace velmora {

namespace {

    enum class TokenKind { End, LineBreak, Open, Close, Word, Number };

    class Tokenizer {
    public:
        explicit Tokenizer(std::string_view text)
            : m_text(text)
        {
            skipLineFeeds();
        }

        TokenKind next();
        const std::string& token() const { return m_token; }

    private:
        enum class State {
            Plain,
            Escape,
            Code,
            Bar,
            Quote,
            Integer,
            Fraction,
            Exponent,
            ExponentSign,
            ExponentDigit,
            Done
        };

        // The character under the position: line feeds are never seen, other control characters
        // read as spaces, the end reads as 0.
        char current() const
        {
            if (m_position >= m_text.size())
                return 0;
            const char c = m_text[m_position];
            const auto byte = static_cast<uint8_t>(c);
            return (byte < 32 && c != '\r') ? ' ' : c;
        }
        void advance()
        {
            ++m_position;
            skipLineFeeds();
        }
        void skipLineFeeds()
        {
            while (m_position < m_text.size() && m_text[m_position] == '\n')
                ++m_position;
        }
        void take()
        {
            m_token += current();
            advance();
        }

        TokenKind readWord(State state);
        TokenKind readOperator(bool afterBreak);
        State plain(char c);
        State escape(char c);
        State code(char c);
        State bar(char c);
        State quote(char c);
        State numeric(char c, State state);

        std::string_view m_text;
        size_t m_position = 0;
        bool m_breakFlag = true;
        std::string m_token;
        int m_code = 0;
        bool m_numberEnded = false;
    };

    TokenKind Tokenizer::next()
    {
        bool skippedSpace = false;
        while (current() == ' ') {
            skippedSpace = true;
            advance();
        }
        const bool afterBreak = m_breakFlag || skippedSpace;
        m_breakFlag = false;
        m_token.clear();
        m_numberEnded = false;

        const char c = current();
        switch (c) {
        case 0:
            return TokenKind::End;
        case '\r':
            advance();
            m_breakFlag = true;
            return TokenKind::LineBreak;
        case '[':
            advance();
            m_breakFlag = true;
            return TokenKind::Open;
        case ']':
            advance();
            return TokenKind::Close;
        case '\\':
            advance();
            return readWord(State::Escape);
        case '|':
            advance();
            return readWord(State::Bar);
        case '"':
            take();
            return readWord(State::Quote);
        default:
            break;
        }
        if (c == '<' || c == '>' || ((c == '+' || c == '-') && afterBreak))
            return readOperator(afterBreak);
        if (isOperatorCharacter(c)) {
            take();
            return TokenKind::Word;
        }
        if (isDigit(c)) {
            take();
            return readWord(State::Integer);
        }
        take(); // the first character of a plain word, a pilcrow included
        return readWord(State::Plain);
    }

    TokenKind Tokenizer::readOperator(bool)
    {
        const char first = current();
        take();
        const char second = current();
        if ((first == '<' && (second == '>' || second == '=')) || (first == '>' && second == '=')) {
            take();
            return TokenKind::Word;
        }
        if ((first == '+' || first == '-') && isDigit(second)) {
            take();
            return readWord(State::Integer);
        }
        return TokenKind::Word;
    }

    TokenKind Tokenizer::readWord(State state)
    {
        while (state != State::Done) {
            const char c = current();
            switch (state) {
            case State::Plain:
                state = plain(c);
                break;
            case State::Escape:
                state = escape(c);
                break;
            case State::Code:
                state = code(c);
                break;
            case State::Bar:
                state = bar(c);
                break;
            case State::Quote:
                state = quote(c);
                break;
            default:
                state = numeric(c, state);
                break;
            }
        }
        return m_numberEnded ? TokenKind::Number : TokenKind::Word;
    }

    Tokenizer::State Tokenizer::plain(char c)
    {
        if (isDelimiter(c))
            return State::Done;
        advance();
        if (c == '\\')
            return State::Escape;
        if (c == '|')
            return State::Bar;
        m_token += c == pilcrow ? '\r' : c;
        return State::Plain;
    }

    Tokenizer::State Tokenizer::escape(char c)
    {
        if (c == 0)
            return State::Done; // a backslash at the very end is dropped
        advance();
        if (isDigit(c)) {
            m_code = c - '0';
            return State::Code;
        }
        m_token += c;
        return State::Plain;
    }

    Tokenizer::State Tokenizer::code(char c)
    {
        if (isDigit(c)) {
            advance();
            if (m_code * 10 + (c - '0') <= 255)
                m_code = m_code * 10 + (c - '0');
            return State::Code;
        }
        m_token += static_cast<char>(m_code);
        if (c == '.')
            advance();
        return State::Plain;
    }

    Tokenizer::State Tokenizer::bar(char c)
    {
        if (c == 0)
            return State::Done;
        advance();
        if (c == '|')
            return State::Plain;
        m_token += c == pilcrow ? '\r' : c;
        return State::Bar;
    }

    Tokenizer::State Tokenizer::quote(char c)
    {
        if (c == 0 || c == '\r' || c == ' ' || c == '[' || c == ']')
            return State::Done;
        advance();
        if (c == '|')
            return State::Bar;
        if (c == '\\')
            return State::Escape;
        m_token += c == pilcrow ? '\r' : c;
        return State::Plain;
    }

    // The number states: a delimiter ends the token (a number unless it is only an exponent
    // start); any other unexpected character turns the token into a plain word.
    Tokenizer::State Tokenizer::numeric(char c, State state)
    {
        const bool digit = isDigit(c);
        switch (state) {
        case State::Integer:
        case State::Fraction:
            if (digit) {
                take();
                return state;
            }
            if (c == '.' && state == State::Integer) {
                take();
                return State::Fraction;
            }
            if (c == 'e' || c == 'E') {
                take();
                return State::Exponent;
            }
            break;
        case State::Exponent:
            if (c == '+' || c == '-') {
                take();
                return State::ExponentSign;
            }
            if (digit) {
                take();
                return State::ExponentDigit;
            }
            return isDelimiter(c) ? State::Done : plain(c);
        case State::ExponentSign:
            if (digit) {
                take();
                return State::ExponentDigit;
            }
            return isDelimiter(c) ? State::Done : plain(c);
        case State::ExponentDigit:
            if (digit) {
                take();
                return state;
            }
            break;
        default:
            break;
        }
        if (isDelimiter(c)) {
            // At the end of the text only the integer state makes a number.
            m_numberEnded = c != 0 || state == State::Integer;
            return State::Done;
        }
        return plain(c);
    }

    tlogoobject* wordValue(const std::string& text)
    {
        if (isTrueWord(text))
            return makeBoolWithText(true, text);
        if (isFalseWord(text))
            return makeBoolWithText(false, text);
        return makeLastingWord(text);
    }

    tlogoobject* numberValue(const std::string& text)
    {
        int32_t integer = 0;
        if (parseInteger(text, integer))
            return makeIntegerWithText(integer, text);
        LogoReal real = 0;
        if (parseReal(text, real))
            return makeRealWithText(real, text);
        return makeLastingWord(text);
    }

    // Builds the nested lists from the tokens; `visit` sees every element in reading order with the
    // line it stands on.
    class ListReader {
    public:
        ListReader(std::string_view text, BracketPolicy policy)
            : m_tokens(text)
            , m_policy(policy)
        {
        }

        tLogoList* read()
        {
            std::vector<ListBuilder> open(1);
            for (;;) {
                switch (m_tokens.next()) {
                case TokenKind::End:
                    if (open.size() > 1 && m_policy == BracketPolicy::Strict)
                        throw eLogoException(erMissingRBracket);
                    while (open.size() > 1)
                        closeSublist(open);
                    return open.back().finish();
                case TokenKind::LineBreak:
                    ++line;
                    break;
                case TokenKind::Open:
                    countElement();
                    open.emplace_back();
                    break;
                case TokenKind::Close:
                    if (open.size() == 1)
                        throw eLogoException(erExtraRBracket);
                    closeSublist(open);
                    break;
                case TokenKind::Word:
                    countElement();
                    open.back().append(wordValue(m_tokens.token()));
                    break;
                case TokenKind::Number:
                    countElement();
                    open.back().append(numberValue(m_tokens.token()));
                    break;
                }
                if (m_stopAtElement && elementCount == m_stopAtElement)
                    return nullptr;
            }
        }

        void stopAtElement(int32_t n) { m_stopAtElement = n; }
        int32_t line = 1;
        int32_t elementCount = 0;

    private:
        void countElement() { ++elementCount; }
        static void closeSublist(std::vector<ListBuilder>& open)
        {
            ValueRef sublist(open.back().finish());
            open.pop_back();
            open.back().append(sublist.get());
        }

        Tokenizer m_tokens;
        BracketPolicy m_policy;
        int32_t m_stopAtElement = 0;
    };

} // namespace

tLogoList* readList(std::string_view text, BracketPolicy policy)
{
    return ListReader(text, policy).read();
}

tLogoList* readLines(std::string_view text)
{
    const std::string withLineEnd = std::string(trimmed(text)).append("\r\n");
    ListBuilder lines;
    size_t start = 0;
    for (size_t found; (found = withLineEnd.find("\r\n", start)) != std::string::npos;
         start = found + 2) {
        ValueRef line(readList(std::string_view(withLineEnd).substr(start, found - start)));
        lines.append(line.get());
    }
    return lines.finish();
}

int32_t locateElement(std::string_view text, int32_t n)
{
    if (n < 1)
        return -1;
    ListReader reader(text, BracketPolicy::CloseSilently);
    reader.stopAtElement(n);
    try {
        ValueRef whole(reader.read());
    } catch (const eLogoException&) {
        // A stray "]" before the element: the text cannot say where it stands.
        return -1;
    }
    return reader.elementCount >= n ? reader.line : -1;
}

} // namespace velmora
