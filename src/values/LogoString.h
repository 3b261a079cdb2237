// tLogoString: a word held as text.
//
// Whether the text is a number or a boolean is recognised lazily, once, and cached; an "any"
// word stands for a random value wherever a number or a truth value is wanted.
//
// A long word that "word" grows shares one growing buffer with the word it grew from. The newest
// word of a buffer (its tip) is grown in place while the buffer has room, and the room doubles
// when it runs out, so a word grown a character at a time is copied once per doubling instead
// of at every step. A word sharing a buffer takes its own text out of it the first time it is
// read: by moving the buffer when it is the tip and nobody else shares it, else by copying its
// part. Words stay values: no word ever sees its text change.
#pragma once

#include "values/LogoWord.h"

#include <memory>
#include <string>
#include <string_view>

namespace velmora {

class tLogoString final : public tLogoWord {
public:
    explicit tLogoString(std::string text = {});

    void free() override;
    tlogoobject* copy() override;
    const std::string& text() override
    {
        if (m_growing)
            takeTextFromBuffer();
        return m_text;
    }

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

    // The number of characters, without taking the text out of a shared buffer.
    size_t length() const { return m_growing ? m_grownLength : m_text.size(); }
    // Whether "word" should grow this word through a shared buffer: a long word, whose text is
    // not an internal name (which would be translated when made).
    bool growsInPlace() const;
    // A new word: this one's text followed by `tail`, sharing this word's buffer.
    tLogoString* grownBy(std::string_view tail);

private:
    void recogniseNumber();
    void recogniseBool();
    void takeTextFromBuffer();

    std::string m_text;
    std::shared_ptr<std::string> m_growing; // the shared buffer, or none
    size_t m_grownLength = 0; // this word's part of it
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
