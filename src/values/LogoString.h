// tLogoString: a word held as text.
//
// Whether the text is a number or a boolean is recognised lazily, once, and cached; an "any"
// word stands for a random value wherever a number or a truth value is wanted.
#pragma once

#include "values/LogoWord.h"

#include <string>

namespace velmora {

class tLogoString final : public tLogoWord {
public:
    explicit tLogoString(std::string text = {});

    void free() override;
    tlogoobject* copy() override;
    const std::string& text() override { return m_text; }

    bool isNumber() override;
    bool isInteger() override;
    bool isBool() override;
    int32_t asInteger() override;
    int32_t intInRange(int32_t low, int32_t high) override;
    LogoReal asReal() override;
    bool asBool() override;
    bool sameAs(tlogoobject* other) override;
    bool takeValueOf(tlogoobject* other) override;
    void appendSourceForm(std::string& out, bool bracketed) override;

    // Gives a pooled or reused instance new text.
    void setText(std::string text);

private:
    void recogniseNumber();
    void recogniseBool();

    std::string m_text;
    bool m_numParsed = false;
    bool m_isNum = false;
    bool m_isInt = false;
    LogoReal m_realValue = 0;
    int32_t m_intValue = 0;
    bool m_boolParsed = false;
    bool m_isBoolWord = false;
    bool m_boolValue = false;
};

} // namespace velmora
