// tLogoLocaltab: the local variables of one process, with dynamic scope.
//
// The table holds, for every name that is local somewhere in the running chain of calls, its
// current binding; a stack of frames remembers what each name was bound to before the frame bound
// it, so closing a frame puts the outer bindings back. A procedure reading a name therefore sees
// its caller's local of that name when it has none of its own. Lookups are one table index, and
// opening and closing a frame cost one step per name it binds.
//
// Each process owns its table; it is touched only by that process under the interpreter lock.
#pragma once

#include "interpreter/LogoVarTab.h"

#include <vector>

namespace velmora {

class tLogoLocaltab : public tLogoVarTab {
public:
    // A table starts with one open frame.
    tLogoLocaltab();
    ~tLogoLocaltab() override;

    // The binding of a name, or none when no open frame binds it.
    tLogoVarDesc* binding(NameCode name) const
    {
        tLocalBinding* desc = entry(name);
        return desc && desc->bound ? desc : nullptr;
    }

    void openFrame();
    // Binds a name in the innermost frame, taking over the caller's reference to `value` (none
    // gives the name no value).
    void bindOwned(NameCode name, tlogoobject* value);
    // Rebinds a name already bound by the innermost frame, or binds it there.
    void rebindOwned(NameCode name, tlogoobject* value);
    // Declares a name local to the innermost frame, without value; error 34 with no open frame.
    // A name the frame binds already keeps its place in the frame and loses its value.
    void declare(NameCode name);
    // Binds a name afresh in the innermost frame, without value, saving the binding it had (the
    // frame's own included) for `endLocal` to put back; error 34 with no open frame.
    void bindUntilEnded(NameCode name);
    // "let": assigns a name the innermost frame binds, else declares it there with the value.
    void let(NameCode name, tlogoobject* value);
    // Ends the innermost frame's newest binding of a name early, putting back the binding it saved
    // (loop variables).
    void endLocal(NameCode name);
    void closeFrame();
    int32_t frameDepth() const { return static_cast<int32_t>(m_frameStarts.size()); }
    bool innermostFrameBinds(NameCode name) const;

    // A new table for a new process: every current binding copied (values shared) into its one
    // open frame.
    tLogoLocaltab* copyScope() const;

private:
    class tLocalBinding : public tLogoVarDesc {
    public:
        using tLogoVarDesc::tLogoVarDesc;
        bool bound = false;
    };
    tLocalBinding* entry(NameCode name) const { return static_cast<tLocalBinding*>(entered(name)); }

    struct SavedBinding {
        NameCode name;
        tlogoobject* previous; // one reference held
        bool hadBinding;
    };
    void restore(const SavedBinding& saved);

    std::vector<SavedBinding> m_saved;
    std::vector<size_t> m_frameStarts;
};

} // namespace velmora
