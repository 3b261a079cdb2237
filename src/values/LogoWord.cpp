#include "values/LogoWord.h"

#include "localization/LanguageWords.h"
#include "localization/NameCodes.h"
#include "localization/NameComparison.h"

namespace velmora {

bool tLogoWord::isAnyWord() { return velmora::isAnyWord(text()); }

NameCode tLogoWord::nameCode()
{
    if (m_nameCodeCache == 0)
        m_nameCodeCache = NameCodes::instance().intern(text());
    return m_nameCodeCache;
}

bool tLogoWord::equals(tlogoobject* other)
{
    if (this == other)
        return true;
    if (!other->isWord())
        return false;
    if (kind() == ValueKind::Boolean || other->kind() == ValueKind::Boolean)
        return isBool() && other->isBool() && asBool() == other->asBool();
    if (isNumber() && other->isNumber())
        return asReal() == other->asReal();
    return currentNameComparison().equal(text(), other->text());
}

void tLogoWord::appendPrintForm(std::string& out, bool)
{
    const std::string& characters = text();
    for (size_t i = 0; i < characters.size(); ++i) {
        out += characters[i];
        if (characters[i] == '\r' && (i + 1 == characters.size() || characters[i + 1] != '\n'))
            out += '\n';
    }
}

void tLogoWord::appendSourceForm(std::string& out, bool) { out += text(); }

} // namespace velmora
