// tMainLogoObject: the root object of every project.
//
// It owns the global primitives (registered into its procedure table when it is created) and the
// global variables. Name lookup from code running as the main object ends here.
#pragma once

#include "core/PropertyLists.h"
#include "interpreter/LogoVarTab.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

class tMainLogoObject final : public tlogoobject {
public:
    tMainLogoObject();
    ~tMainLogoObject() override;

    tlogoobject* copy() override { return this; }
    std::string_view className() const override { return "main"; }
    tlogoobject* findObject(NameCode name) override;
    // The main object's procedures are its own table's: it has no further lookup chain.
    tProcDesc* tryProc(NameCode name, int32_t level) override;

    tLogoGlobalVarTab& globals() { return *m_globals; }

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

    std::unique_ptr<tLogoTab> m_procedures;
    std::unique_ptr<tLogoGlobalVarTab> m_globals;
    std::vector<Timer> m_timers;
    PropertyLists m_propertyLists;
    std::optional<std::string> m_clipboardBuffer;
};

} // namespace velmora
