#include "localization/InterfaceStrings.h"

#include "localization/DictionarySources.h"
#include "localization/DictionaryText.h"

#include <algorithm>

namespace velmora {

namespace {

    thread_local bool stringFound = false;

    constexpr std::string_view defaultLanguage = "ENGLISH";
    constexpr std::string_view pilcrow = "\xB6";

} // namespace

InterfaceStrings::InterfaceStrings(std::span<const std::span<const uint8_t>> blocks)
    : m_blocks(blocks)
{
}

void InterfaceStrings::setProjectLanguage(std::string_view language)
{
    m_projectLanguage = languageOrDefault(language);
}

const std::span<const uint8_t>* InterfaceStrings::blockNamed(std::string_view upperCaseName) const
{
    const auto found
        = std::find_if(m_blocks.begin(), m_blocks.end(), [&](std::span<const uint8_t> block) {
              return asciiUppered(embeddedBlockName(block)) == upperCaseName;
          });
    return found == m_blocks.end() ? nullptr : &*found;
}

// The rich-text toolbar bitmaps that each language names for its table are not loaded: the
// player has no rich-text dialogs.
void InterfaceStrings::selectOnce()
{
    std::call_once(m_selection, [this] {
        const std::string wanted = asciiUppered(m_projectLanguage);
        const auto* block = blockNamed(wanted);
        if (!block)
            block = blockNamed(defaultLanguage);
        if (!block)
            return;
        m_table = createDictionaryFromEmbeddedBlock(*block);
        m_tableLanguage = asciiUppered(embeddedBlockName(*block));
    });
}

std::string InterfaceStrings::lookup(std::string_view section, std::string_view key)
{
    selectOnce();
    if (!m_table)
        return {};
    const auto value = m_table->find(section, key);
    if (!value)
        return {};
    stringFound = true;
    return replaceAll(*value, pilcrow, "\r\n");
}

std::string InterfaceStrings::interfaceString(std::string_view key)
{
    return lookup("strings", key);
}

std::string InterfaceStrings::formattedInterfaceString(std::string_view key, std::string_view text)
{
    return replaceFirst(interfaceString(key), "%s", text, LetterCase::Either);
}

std::string InterfaceStrings::tableLanguage()
{
    selectOnce();
    return m_tableLanguage;
}

InterfaceStrings& interfaceStrings()
{
    static InterfaceStrings strings(embeddedInterfaceBlocks());
    return strings;
}

bool interfaceStringFound() { return stringFound; }
void clearInterfaceStringFound() { stringFound = false; }

} // namespace velmora
