// tLogoWord: every word, whether held as text, number or boolean.
//
// A word caches the name code of its text and the code its text compiles to, so a word used as an
// instruction ("run "fd\ 10") or as a name is read and interned once.
#pragma once

#include "values/CodeCache.h"
#include "values/LogoObject.h"

namespace velmora {

class tLogoWord : public tlogoobject {
public:
    using tlogoobject::tlogoobject;
    bool isWord() const override { return true; }
    bool isAnyWord() override;
    NameCode nameCode() override;
    bool isEmpty() override { return text().empty(); }
    bool equals(tlogoobject* other) override;
    void appendPrintForm(std::string& out, bool bracketed) override;
    void appendSourceForm(std::string& out, bool bracketed) override;
    std::string_view className() const override { return "word"; }
    // Where the interpreter keeps the code the text compiles to.
    CodeCache& codeCache() { return m_code; }

protected:
    // Forget what was derived from the text (the content changed through reuse).
    void dropTextCaches()
    {
        m_nameCodeCache = 0;
        m_code.clear();
    }

    NameCode m_nameCodeCache = 0;
    CodeCache m_code;
};

} // namespace velmora
