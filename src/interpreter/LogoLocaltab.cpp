#include "interpreter/LogoLocaltab.h"

#include "values/Errors.h"

namespace velmora {

tLogoLocaltab::tLogoLocaltab()
    : tLogoVarTab("variablesLabel")
{
    openFrame();
}

tLogoLocaltab::~tLogoLocaltab()
{
    while (!m_frameStarts.empty())
        closeFrame();
}

void tLogoLocaltab::openFrame() { m_frameStarts.push_back(m_saved.size()); }

// Bindings take values as they are: a procedure's inputs come straight off the value stack, and
// copying pooled numbers there would cost an allocation per call. An entry whose binding ends
// stays in the table, unbound, so calling a procedure again allocates nothing.
void tLogoLocaltab::bindOwned(NameCode name, tlogoobject* value)
{
    tLocalBinding* desc = entry(name);
    if (desc && desc->bound) {
        m_saved.push_back({ name, desc->takeValue(), true });
    } else {
        if (!desc) {
            desc = new tLocalBinding(name);
            registerDesc(desc);
        }
        desc->bound = true;
        m_saved.push_back({ name, nullptr, false });
    }
    desc->adoptValue(value);
}

void tLogoLocaltab::rebindOwned(NameCode name, tlogoobject* value)
{
    if (innermostFrameBinds(name))
        binding(name)->adoptValue(value);
    else
        bindOwned(name, value);
}

bool tLogoLocaltab::innermostFrameBinds(NameCode name) const
{
    if (m_frameStarts.empty())
        return false;
    for (size_t i = m_frameStarts.back(); i < m_saved.size(); ++i)
        if (m_saved[i].name == name)
            return true;
    return false;
}

void tLogoLocaltab::declare(NameCode name)
{
    if (m_frameStarts.empty())
        throw eLogoException::withName(erWrongPlace, name);
    if (!innermostFrameBinds(name))
        bindOwned(name, nullptr);
    else
        binding(name)->adoptValue(nullptr);
}

void tLogoLocaltab::bindUntilEnded(NameCode name)
{
    if (m_frameStarts.empty())
        throw eLogoException::withName(erWrongPlace, name);
    bindOwned(name, nullptr);
}

void tLogoLocaltab::let(NameCode name, tlogoobject* value)
{
    if (m_frameStarts.empty())
        throw eLogoException::withName(erWrongPlace, name);
    addRef(value);
    rebindOwned(name, value);
}

void tLogoLocaltab::restore(const SavedBinding& saved)
{
    tLocalBinding* desc = entry(saved.name);
    desc->adoptValue(saved.previous);
    desc->bound = saved.hadBinding;
}

void tLogoLocaltab::endLocal(NameCode name)
{
    if (m_frameStarts.empty())
        return;
    for (size_t i = m_saved.size(); i-- > m_frameStarts.back();) {
        if (m_saved[i].name == name) {
            restore(m_saved[i]);
            m_saved.erase(m_saved.begin() + static_cast<std::ptrdiff_t>(i));
            return;
        }
    }
}

void tLogoLocaltab::closeFrame()
{
    const size_t start = m_frameStarts.back();
    while (m_saved.size() > start) {
        restore(m_saved.back());
        m_saved.pop_back();
    }
    m_frameStarts.pop_back();
}

tLogoLocaltab* tLogoLocaltab::copyScope() const
{
    auto* copy = new tLogoLocaltab;
    forEachSlot([copy](tTabDesc* desc) {
        if (!static_cast<tLocalBinding*>(desc)->bound)
            return;
        tlogoobject* value = desc->value();
        addRef(value);
        copy->bindOwned(desc->name, value);
    });
    return copy;
}

} // namespace velmora
