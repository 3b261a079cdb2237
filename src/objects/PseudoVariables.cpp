#include "objects/PseudoVariables.h"

#include "objects/PropertyCommands.h"

namespace velmora {

tPseudoVarDesc::tPseudoVarDesc(
    NameCode name, uint8_t flags, PropertyAccess access, tmultiobject& object)
    : tLogoVarDesc(name, flags, Computed {})
    , m_access(access)
    , m_object(object)
{
}

std::string tPseudoVarDesc::valueText()
{
    compute();
    return tLogoVarDesc::valueText();
}

// The value read may be one that nothing holds yet: the reference releases it once held.
void tPseudoVarDesc::compute()
{
    const ValueRef value(m_access.getter->read(m_object));
    hold(value.get());
}

void tPseudoVarDesc::store(tlogoobject* value) { m_access.setter->set(m_object, value); }

tPseudoVarPrototype::tPseudoVarPrototype(NameCode name, uint8_t flags, PropertyAccess access)
    : m_name(name)
    , m_flags(flags)
    , m_access(access)
{
}

tPseudoVarDesc* tPseudoVarPrototype::bind(tmultiobject& object) const
{
    return new tPseudoVarDesc(m_name, m_flags, m_access, object);
}

} // namespace velmora
