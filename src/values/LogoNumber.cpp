#include "values/LogoNumber.h"

#include "localization/LanguageWords.h"
#include "values/Errors.h"
#include "values/NumberText.h"
#include "values/Random.h"
#include "values/ValuePools.h"

#include <cmath>
#include <cstring>
#include <limits>

namespace velmora {

int32_t integerInRange(int32_t value, int32_t low, int32_t high, tlogoobject* offending)
{
    if (value < low || value > high)
        throw eLogoException(erMinMax, low, high, offending);
    return value;
}

int32_t realInRange(LogoReal value, int32_t low, int32_t high, tlogoobject* offending)
{
    const LogoReal rounded = std::trunc(value >= 0 ? value + 0.5L : value - 0.5L);
    if (!(rounded >= low && rounded <= high))
        throw eLogoException(erMinMax, low, high, offending);
    return static_cast<int32_t>(rounded);
}

int32_t roundedInteger(LogoReal value, tlogoobject* offending)
{
    return realInRange(value, INT32_MIN, INT32_MAX, offending);
}

bool realTruth(LogoReal value)
{
    if (value <= 0)
        return false;
    if (value >= 1)
        return true;
    return randomUnit() <= value;
}

// Gives a freed pooled instance back to its pool, or deletes it.
template <typename T, typename Pool> void recycleOrDelete(T* instance, Pool& pool)
{
    if (instance->pooled && pool.giveBack(instance))
        return;
    delete instance;
}

const std::string& tlogonumber::text()
{
    if (!m_textValid) {
        m_numText = computeText();
        m_textValid = true;
    }
    return m_numText;
}

void tlogonumber::setSourceText(std::string text)
{
    m_numText = std::move(text);
    m_textValid = true;
}

tLogoInt::tLogoInt(int32_t value)
    : tlogonumber(ValueKind::Integer)
    , m_value(value)
{
}

void tLogoInt::free()
{
    invalidateText();
    recycleOrDelete(this, ValuePools::instance().integers);
}

tlogoobject* tLogoInt::copy() { return new tLogoInt(m_value); }

int32_t tLogoInt::intInRange(int32_t low, int32_t high)
{
    return integerInRange(m_value, low, high, this);
}

bool tLogoInt::takeValueOf(tlogoobject* other)
{
    if (refCount == 1 && other->pooled && other->kind() == ValueKind::Integer) {
        setValue(static_cast<tLogoInt*>(other)->m_value);
        return true;
    }
    return this == other;
}

std::string tLogoInt::computeText() const { return formatInteger(m_value); }

tLogoReal::tLogoReal(LogoReal value)
    : tlogonumber(ValueKind::Real)
    , m_value(value)
{
}

void tLogoReal::free()
{
    invalidateText();
    recycleOrDelete(this, ValuePools::instance().reals);
}

tlogoobject* tLogoReal::copy() { return new tLogoReal(m_value); }

// Read off the bits: whether any mantissa bit below the binary point is set. The library's trunc
// changes the x87 rounding mode, which costs more than the arithmetic it guards.
bool tLogoReal::isInteger()
{
    static_assert(std::numeric_limits<LogoReal>::digits == 64, "x87 extended reals");
    struct ExtendedBits {
        uint64_t mantissa; // with its explicit integer bit
        uint16_t signAndExponent;
    } bits {};
    std::memcpy(&bits, &m_value, 10);
    const int exponent = (bits.signAndExponent & 0x7fff) - 16383;
    if (bits.mantissa == 0)
        return true; // zero
    if ((bits.signAndExponent & 0x7fff) == 0x7fff)
        return bits.mantissa << 1 == 0; // infinities are integers, NaNs are not, as with trunc
    if (exponent < 0)
        return false;
    if (exponent >= 63)
        return true;
    return (bits.mantissa & ((uint64_t { 1 } << (63 - exponent)) - 1)) == 0;
}

int32_t tLogoReal::asInteger() { return roundedInteger(m_value, this); }

int32_t tLogoReal::intInRange(int32_t low, int32_t high)
{
    return realInRange(m_value, low, high, this);
}

bool tLogoReal::asBool() { return realTruth(m_value); }

bool tLogoReal::takeValueOf(tlogoobject* other)
{
    if (refCount == 1 && other->pooled && other->kind() == ValueKind::Real) {
        setValue(static_cast<tLogoReal*>(other)->m_value);
        return true;
    }
    return this == other;
}

std::string tLogoReal::computeText() const { return formatReal(m_value); }

tLogoBool::tLogoBool(bool value)
    : tlogonumber(ValueKind::Boolean)
    , m_value(value)
{
}

void tLogoBool::free()
{
    invalidateText();
    recycleOrDelete(this, ValuePools::instance().booleans);
}

tlogoobject* tLogoBool::copy() { return new tLogoBool(m_value); }

bool tLogoBool::equals(tlogoobject* other)
{
    return this == other || (other->isWord() && other->isBool() && other->asBool() == m_value);
}

bool tLogoBool::takeValueOf(tlogoobject* other)
{
    if (refCount == 1 && other->pooled && other->kind() == ValueKind::Boolean) {
        setValue(static_cast<tLogoBool*>(other)->m_value);
        return true;
    }
    return this == other;
}

void tLogoBool::setValue(bool value)
{
    m_value = value;
    invalidateText();
}

std::string tLogoBool::computeText() const { return booleanWord(m_value); }

} // namespace velmora
