#include "localization/DictionaryRequirements.h"

namespace velmora {

namespace {

    struct Requirement {
        std::string_view section;
        std::string_view key; // empty: the section must hold entries
    };

    constexpr Requirement requirements[] = {
        { "dict", {} },
        { "text", {} },
        { "errors", {} },
        { "ErrorCaptions", {} },
        { "other", "true" },
        { "other", "false" },
        { "other", "to" },
        { "other", "end" },
        { "other", "error" },
        { "param", "usual" },
        { "system", "setfix" },
        { "class", "main" },
    };

    bool meets(const TDTables& dictionary, const Requirement& requirement)
    {
        if (requirement.key.empty()) {
            const TDTable* section = dictionary.findSection(requirement.section);
            return section && !section->entries().empty();
        }
        return !dictionary.find(requirement.section, requirement.key).value_or("").empty();
    }

    std::string describe(const Requirement& requirement)
    {
        if (requirement.key.empty())
            return std::string("[").append(requirement.section).append("]");
        return std::string(requirement.section).append("-").append(requirement.key);
    }

} // namespace

std::optional<std::string> missingRequirement(const TDTables& dictionary)
{
    for (const Requirement& requirement : requirements)
        if (!meets(dictionary, requirement))
            return describe(requirement);
    return std::nullopt;
}

} // namespace velmora
