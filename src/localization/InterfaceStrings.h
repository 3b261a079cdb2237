// The user-interface string table: texts of the player's own dialogs and menus.
//
// One table is chosen on first use and kept for the rest of the run: the built-in block whose
// language name matches the project's language, or else the English block; when neither exists
// there is no table and every lookup gives empty text. Stored values write line breaks as the
// pilcrow (byte 182), which lookups turn into CR LF. A lookup that finds its entry raises the
// calling thread's string-found flag, which dialog code reads to tell a missing text from an
// empty one.
//
// Locking: the choice is made once under its own once-flag, so the first lookups may come from
// any thread; the table is read-only afterwards.
#pragma once

#include "localization/DTables.h"

#include <memory>
#include <mutex>
#include <span>
#include <string>
#include <string_view>

namespace velmora {

class InterfaceStrings {
public:
    explicit InterfaceStrings(std::span<const std::span<const uint8_t>> blocks);

    // The project's language ("*" and empty mean English); only a call before the first
    // lookup has an effect.
    void setProjectLanguage(std::string_view language);

    std::string lookup(std::string_view section, std::string_view key);
    // Entries of section "strings".
    std::string interfaceString(std::string_view key);
    // The interface string with its first "%s" replaced by text.
    std::string formattedInterfaceString(std::string_view key, std::string_view text);

    // The upper-case language of the chosen table; empty when there is none.
    std::string tableLanguage();

private:
    void selectOnce();
    const std::span<const uint8_t>* blockNamed(std::string_view upperCaseName) const;

    std::span<const std::span<const uint8_t>> m_blocks;
    std::string m_projectLanguage = "english";
    std::once_flag m_selection;
    std::unique_ptr<TDTables> m_table;
    std::string m_tableLanguage;
};

// The process-wide table over the blocks built into the program.
InterfaceStrings& interfaceStrings();

// The calling thread's string-found flag.
bool interfaceStringFound();
void clearInterfaceStringFound();

} // namespace velmora
