#include "values/LogoString.h"

#include "interpreter/Errors.h"
#include "localization/LanguageWords.h"
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

tlogoobject* tLogoString::copy() { return new tLogoString(m_text); }

void tLogoString::setText(std::string text)
{
    m_text = std::move(text);
    m_numParsed = false;
    m_boolParsed = false;
    dropTextCaches();
}

void tLogoString::recogniseNumber()
{
    m_numParsed = true;
    m_isInt = parseInteger(m_text, m_intValue);
    if (m_isInt) {
        m_realValue = m_intValue;
        m_isNum = true;
        return;
    }
    m_isNum = parseReal(m_text, m_realValue);
}

void tLogoString::recogniseBool()
{
    m_boolParsed = true;
    m_isBoolWord = false;
    if (isTrueWord(m_text)) {
        m_isBoolWord = true;
        m_boolValue = true;
    } else if (isFalseWord(m_text)) {
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
    if (!isNumber() && isAnyWord())
        return randomInRange(low, high);
    const int32_t value = asInteger();
    if (value < low || value > high)
        throw eLogoException(erMinMax, low, high, this);
    return value;
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

bool tLogoString::sameAs(tlogoobject* other) { return other->isWord() && m_text == other->text(); }

bool tLogoString::takeValueOf(tlogoobject* other)
{
    if (refCount == 1 && other->pooled && other->kind() == ValueKind::String) {
        setText(other->text());
        return true;
    }
    return this == other;
}

void tLogoString::appendSourceForm(std::string& out, bool) { appendWordSourceForm(out, m_text); }

} // namespace velmora
