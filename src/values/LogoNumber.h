// Numbers: tlogonumber and its integer and extended-real classes, and tLogoBool.
//
// A number keeps the exact characters it was read from («007», «1e3») and otherwise computes its
// text form on first use: integers in decimal, reals with 6 significant digits.
#pragma once

#include "values/LogoWord.h"

#include <string>

namespace velmora {

class tlogonumber : public tLogoWord {
public:
    using tLogoWord::tLogoWord;

    const std::string& text() override;
    bool isNumber() override { return true; }
    // Sets the text a number read from source prints as.
    void setSourceText(std::string text);

protected:
    virtual std::string computeText() const = 0;
    void invalidateText()
    {
        if (m_textValid) {
            m_textValid = false;
            m_numText.clear();
        }
        dropTextCaches();
    }

private:
    bool m_textValid = false;
    std::string m_numText;
};

class tLogoInt final : public tlogonumber {
public:
    explicit tLogoInt(int32_t value = 0);

    void free() override;
    tlogoobject* copy() override;
    bool isInteger() override { return true; }
    int32_t asInteger() override { return m_value; }
    int32_t intInRange(int32_t low, int32_t high) override;
    LogoReal asReal() override { return m_value; }
    bool asBool() override { return m_value > 0; }
    bool takeValueOf(tlogoobject* other) override;

    int32_t value() const { return m_value; }
    void setValue(int32_t value)
    {
        m_value = value;
        invalidateText();
    }

private:
    std::string computeText() const override;
    int32_t m_value;
};

class tLogoReal final : public tlogonumber {
public:
    explicit tLogoReal(LogoReal value = 0);

    void free() override;
    tlogoobject* copy() override;
    bool isInteger() override;
    int32_t asInteger() override;
    int32_t intInRange(int32_t low, int32_t high) override;
    LogoReal asReal() override { return m_value; }
    bool asBool() override;
    bool takeValueOf(tlogoobject* other) override;

    LogoReal value() const { return m_value; }
    // Inline, like the factory that calls it: an extended real passed to a function goes through
    // memory, and reading it back stalls.
    void setValue(LogoReal value)
    {
        m_value = value;
        invalidateText();
    }

private:
    std::string computeText() const override;
    LogoReal m_value;
};

class tLogoBool final : public tlogonumber {
public:
    explicit tLogoBool(bool value = false);

    void free() override;
    tlogoobject* copy() override;
    bool isNumber() override { return false; }
    bool isBool() override { return true; }
    bool asBool() override { return m_value; }
    bool equals(tlogoobject* other) override;
    bool takeValueOf(tlogoobject* other) override;

    bool value() const { return m_value; }
    void setValue(bool value);

private:
    std::string computeText() const override;
    bool m_value;
};

// The value when it lies in low..high; error 26 (those bounds) naming `offending` otherwise. A
// real is rounded half away from zero first.
int32_t integerInRange(int32_t value, int32_t low, int32_t high, tlogoobject* offending);
int32_t realInRange(LogoReal value, int32_t low, int32_t high, tlogoobject* offending);
// Rounds half away from zero; error 26 (32-bit bounds) naming `offending` when out of range.
int32_t roundedInteger(LogoReal value, tlogoobject* offending);
// False at 0 or below, true at 1 or above, in between true with that probability on every call.
bool realTruth(LogoReal value);

} // namespace velmora
