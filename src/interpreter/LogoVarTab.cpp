#include "interpreter/LogoVarTab.h"

#include "values/Errors.h"

namespace velmora {

tLogoVarDesc::tLogoVarDesc(NameCode name, uint8_t descFlags)
    : tTabDesc(name)
{
    flags = descFlags;
    isUserEntry = 1;
}

tLogoVarDesc::tLogoVarDesc(NameCode name, uint8_t descFlags, Computed)
    : tLogoVarDesc(name, descFlags)
{
    m_computed = true;
}

tLogoVarDesc::~tLogoVarDesc() { release(m_value); }

std::string tLogoVarDesc::valueText()
{
    return m_value ? m_value->sourceForm(true) : std::string();
}

namespace {

    // In place when it can; a pooled value is copied first. Inlined into "make"'s path.
    void holdIn(tlogoobject*& slot, tlogoobject* value)
    {
        if (slot && value && slot->takeValueOf(value))
            return;
        assignHolder(slot, value && value->pooled ? value->copy() : value);
    }

} // namespace

void tLogoVarDesc::assign(tlogoobject* value)
{
    if (m_computed) [[unlikely]]
        return store(value);
    holdIn(m_value, value);
}

void tLogoVarDesc::hold(tlogoobject* value) { holdIn(m_value, value); }

void tLogoVarDesc::adoptValue(tlogoobject* value)
{
    tlogoobject* old = m_value;
    m_value = value;
    release(old);
}

tLogoVarDesc* tLogoVarTab::createDesc(NameCode name, uint8_t flags)
{
    return new tLogoVarDesc(name, flags);
}

void tLogoVarTab::setVar(NameCode name, tlogoobject* value, uint8_t flags)
{
    auto* desc = static_cast<tLogoVarDesc*>(entered(name));
    if (desc) {
        desc->flags = static_cast<uint8_t>((desc->flags & ~donotsavenow) | flags);
    } else {
        desc = createDesc(name, flags);
        registerDesc(desc);
    }
    desc->assign(value);
}

void tLogoVarTab::setVarMarked(NameCode name, tlogoobject* value)
{
    const bool existed = contains(name);
    setVar(name, value);
    if (!existed)
        static_cast<tLogoVarDesc*>(entered(name))->variableKind = 1;
}

void tLogoVarTab::setIfChanged(NameCode name, tlogoobject* value)
{
    tlogoobject* current = tryValue(name);
    if (!current || !current->sameAs(value))
        setVar(name, value);
}

tlogoobject* tLogoVarTab::tryValue(NameCode name) const
{
    tTabDesc* desc = entered(name);
    return desc ? desc->value() : nullptr;
}

void tLogoVarTab::missingOnGet(NameCode name) { throw eLogoException::withName(erNoVal, name); }

void tLogoVarTab::missingOnErase(NameCode name) { throw eLogoException::withName(erNoVal, name); }

void tLogoEventTab::missingOnGet(NameCode name)
{
    throw eLogoException::withName(erUnDefEvenet, name);
}

void tLogoObjectsTab::missingOnGet(NameCode name)
{
    throw eLogoException::withName(erNoObject, name);
}

void tLogoPagesTab::missingOnGet(NameCode name)
{
    throw eLogoException::withName(erPageNotExist, name);
}

} // namespace velmora
