// tMainLogoObject: the root object of every project, and the first container.
//
// It owns the global primitives (registered into its procedure table when it is created) and the
// global variables, which are its own variables. Every class descends from it, so name lookup
// from any object ends here.
#pragma once

#include "core/PropertyLists.h"
#include "objects/ContainerObject.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

class tMainLogoObject final : public tcontainerobject {
public:
    tMainLogoObject();

    std::string_view className() const override { return "main"; }
    // The main object has no parents: its own table is its whole chain, which keeps calls to
    // global procedures one table lookup.
    tProcDesc* tryProc(NameCode name, int32_t* foundAt = nullptr) override;

    tLogoGlobalVarTab& globals() { return static_cast<tLogoGlobalVarTab&>(varTable()); }

    // Entry 0 is the unnamed timer; named ones are added on first use and kept.
    struct Timer {
        std::string name;
        int64_t start;
    };
    std::vector<Timer>& timers() { return m_timers; }

    PropertyLists& propertyLists() { return m_propertyLists; }

    // The print family's output: into the open redirection, else to the process's commander.
    void writeOutput(std::string_view text);
    // "printto": a clipboard buffer becomes the redirection, closing any previous one.
    void redirectToClipboard();
    // Closes the redirection; a clipboard buffer goes onto the clipboard as its text.
    void closeRedirection();

private:
    void registerPrimitives();

    std::vector<Timer> m_timers;
    PropertyLists m_propertyLists;
    std::optional<std::string> m_clipboardBuffer;
};

} // namespace velmora
