#include "values/LogoString.h"

#include "localization/Characters.h"
#include "localization/LanguageWords.h"
#include "values/CountLimit.h"
#include "values/Errors.h"
#include "values/LogoNumber.h"
#include "values/NumberText.h"
#include "values/Random.h"
#include "values/ValuePools.h"
#include "values/WordSourceForm.h"

namespace velmora {

tLogoString::tLogoString(std::string text)
    : tLogoWord(ValueKind::String)
    , m_text(std::move(text))
{
}

void tLogoString::free()
{
    if (pooled) {
        setText({});
        if (ValuePools::instance().words.giveBack(this))
            return;
    }
    delete this;
}

tlogoobject* tLogoString::copy() { return new tLogoString(text()); }

void tLogoString::setText(std::string text)
{
    m_growing.reset();
    m_text = std::move(text);
    m_numParsed = false;
    m_boolParsed = false;
    dropTextCaches();
}

void tLogoString::recogniseNumber()
{
    m_numParsed = true;
    const std::string& own = text();
    m_isInt = parseInteger(own, m_intValue);
    if (m_isInt) {
        m_realValue = m_intValue;
        m_isNum = true;
        return;
    }
    m_isNum = parseReal(own, m_realValue);
}

void tLogoString::recogniseBool()
{
    m_boolParsed = true;
    m_isBoolWord = false;
    if (isTrueWord(text())) {
        m_isBoolWord = true;
        m_boolValue = true;
    } else if (isFalseWord(text())) {
        m_isBoolWord = true;
        m_boolValue = false;
    }
}

bool tLogoString::isNumber()
{
    if (!m_numParsed)
        recogniseNumber();
    return m_isNum;
}

bool tLogoString::isInteger() { return isNumber() && m_isInt; }

bool tLogoString::isBool()
{
    if (!m_boolParsed)
        recogniseBool();
    return m_isBoolWord;
}

int32_t tLogoString::asInteger()
{
    if (isNumber())
        return m_isInt ? m_intValue : roundedInteger(m_realValue, this);
    if (isAnyWord())
        return randomInRange(1, 100);
    throw eLogoException(erExpectNumber, this);
}

int32_t tLogoString::intInRange(int32_t low, int32_t high)
{
    if (!isNumber()) {
        if (isAnyWord())
            return randomInRange(low, high);
        throw eLogoException(erExpectNumber, this);
    }
    return m_isInt ? integerInRange(m_intValue, low, high, this)
                   : realInRange(m_realValue, low, high, this);
}

LogoReal tLogoString::asReal()
{
    if (isNumber())
        return m_realValue;
    if (isAnyWord())
        return randomInRange(1, 100);
    throw eLogoException(erExpectNumber, this);
}

bool tLogoString::asBool()
{
    if (isNumber())
        return m_isInt ? m_intValue > 0 : realTruth(m_realValue);
    if (isBool())
        return m_boolValue;
    if (isAnyWord())
        return randomUnit() < 0.5;
    throw eLogoException(erNotBool, this);
}

bool tLogoString::sameAs(tlogoobject* other) { return other->isWord() && text() == other->text(); }

bool tLogoString::takeValueOf(tlogoobject* other)
{
    if (refCount == 1 && other->pooled && other->kind() == ValueKind::String) {
        setText(other->text());
        return true;
    }
    return this == other;
}

void tLogoString::appendSourceForm(std::string& out, bool) { appendWordSourceForm(out, text()); }

namespace {
    // Shorter words are copied whole by "word": sharing a buffer would not pay.
    constexpr size_t shortestGrowingWord = 256;
}

bool tLogoString::growsInPlace() const
{
    if (length() < shortestGrowingWord)
        return false;
    const char first = m_growing ? (*m_growing)[0] : m_text[0];
    return first != middleDot;
}

tLogoString* tLogoString::grownBy(std::string_view tail)
{
    requireWordLength(length() + tail.size());
    if (!m_growing) {
        // This word becomes the tip of a new buffer: its own text moves there, uncopied.
        m_grownLength = m_text.size();
        m_growing = std::make_shared<std::string>(std::move(m_text));
        m_text.clear();
    }
    auto* grown = new tLogoString;
    grown->m_grownLength = m_grownLength + tail.size();
    if (m_grownLength == m_growing->size()) {
        std::string& buffer = *m_growing;
        if (buffer.capacity() < grown->m_grownLength)
            buffer.reserve(2 * grown->m_grownLength);
        buffer.append(tail);
        grown->m_growing = m_growing;
    } else {
        // A word grown before: the new word starts a buffer of its own.
        auto buffer = std::make_shared<std::string>();
        buffer->reserve(2 * grown->m_grownLength);
        buffer->append(*m_growing, 0, m_grownLength).append(tail);
        grown->m_growing = std::move(buffer);
    }
    return grown;
}

void tLogoString::takeTextFromBuffer()
{
    if (m_growing.use_count() == 1 && m_grownLength == m_growing->size())
        m_text = std::move(*m_growing);
    else
        m_text.assign(*m_growing, 0, m_grownLength);
    m_growing.reset();
}

} // namespace velmora
