#include "objects/EntryListing.h"

#include "interpreter/LogoProcDesc.h"
#include "interpreter/LogoVarTab.h"
#include "objects/MultiObject.h"
#include "objects/PrefixWords.h"
#include "objects/PseudoVariables.h"

namespace velmora {

namespace {

    // The prefix word of each kind, in the order of EntryKind.
    constexpr std::optional<PrefixWord> kindPrefixes[] = {
        std::nullopt, // Procedure
        PrefixWord::Event, PrefixWord::Global, PrefixWord::Common, PrefixWord::Own,
        PrefixWord::Object, PrefixWord::Setting,
        std::nullopt, // Unlisted
    };

    EntryKind variableKind(const tTabDesc& desc)
    {
        const tLogoTab* table = desc.table;
        if (dynamic_cast<const tLogoEventTab*>(table))
            return EntryKind::Event;
        if (dynamic_cast<const tLogoObjectsTab*>(table))
            return EntryKind::Object;
        if (dynamic_cast<const tLogoGlobalVarTab*>(table))
            return EntryKind::Global;
        if (dynamic_cast<const tPseudoVarDesc*>(&desc))
            return EntryKind::Setting;
        const auto* variable = dynamic_cast<const tLogoVarDesc*>(&desc);
        if (variable && variable->variableKind == commonVariable)
            return EntryKind::Common;
        return variable ? EntryKind::Own : EntryKind::Unlisted;
    }

    // The localized prefix word of a kind of entry ("own"), or none for the kinds without one.
    std::string prefixWord(EntryKind kind)
    {
        const std::optional<PrefixWord> word = kindPrefixes[static_cast<size_t>(kind)];
        return word ? localizedPrefix(*word) : std::string();
    }

} // namespace

bool isUserProcedure(const tTabDesc& desc) { return dynamic_cast<const tLogoProcDesc*>(&desc); }

EntryKind entryKind(const tTabDesc& desc)
{
    if (desc.isProcedure())
        return isUserProcedure(desc) ? EntryKind::Procedure : EntryKind::Unlisted;
    if (desc.nameText().starts_with('@'))
        return EntryKind::Unlisted;
    return variableKind(desc);
}

void appendNames(
    ListBuilder& names, const tLogoTab& table, std::string_view prefix, EntryFilter chosen)
{
    table.forEachInOrder([&](tTabDesc* desc) {
        if (chosen(*desc))
            names.append(makeWord(std::string(prefix) + desc->nameText()));
    });
}

tLogoList* listing(const tLogoTab& table)
{
    ListBuilder names;
    table.forEachInOrder([&](tTabDesc* desc) {
        const EntryKind kind = entryKind(*desc);
        if ((desc->flags & hiddenMarks) || kind == EntryKind::Unlisted)
            return;
        const std::string prefix = prefixWord(kind);
        names.append(makeWord(prefix.empty() ? desc->nameText() : prefix + "'" + desc->nameText()));
    });
    return names.finish();
}

} // namespace velmora
