#include "controls/MenuList.h"

#include "core/ListOperations.h"
#include "graphics/WidgetText.h"
#include "interpreter/InterpreterState.h"
#include "localization/LanguageDictionary.h"
#include "values/ListHelpers.h"

namespace velmora {

namespace {

    constexpr size_t captionIndex = 0, valueIndex = 1, submenuIndex = 2, optionsIndex = 3;
    constexpr size_t mostElements = 4;
    // The window thread builds and deletes menus recursively, with no guard on its stack: deeper
    // submenus are refused here, far below what it could take and far above what a user can use.
    constexpr int32_t deepestSubmenu = 64;

    bool& optionFlag(MenuEntry& entry, tlogoobject* word)
    {
        const LanguageDictionary& dictionary = languageDictionary();
        if (word->isWord()) {
            if (dictionary.isSynonymInSection("param", "enabled_menu", word->text()))
                return entry.enabled;
            if (dictionary.isSynonymInSection("param", "checked_menu", word->text()))
                return entry.checked;
        }
        throw eLogoException(erBadValue, word);
    }

    void readOptions(MenuEntry& entry, tlogoobject* options)
    {
        const ValueRef filled(filledTemplate(*InterpreterState::current(), requireList(options)));
        const std::vector<tlogoobject*> words = elementsOf(static_cast<tLogoList*>(filled.get()));
        for (size_t at = 0; at < words.size(); at += 2) {
            bool& flag = optionFlag(entry, words[at]);
            if (at + 1 == words.size())
                throw eLogoException(erBadStructure, words[at]);
            flag = words[at + 1]->asBool();
        }
    }

    class MenuReader {
    public:
        std::vector<MenuEntry> readItems(tlogoobject* list, int32_t depth)
        {
            std::vector<MenuEntry> entries;
            for (tlogoobject* item : elementsOf(requireList(list)))
                entries.push_back(readItem(item, depth));
            return entries;
        }

        MenuList finish(std::vector<MenuEntry> entries)
        {
            return { std::move(entries), std::move(m_values) };
        }

    private:
        MenuEntry readItem(tlogoobject* item, int32_t depth)
        {
            const std::vector<tlogoobject*> elements = elementsOf(requireList(item));
            if (elements.empty())
                return { .separator = true };
            if (elements.size() > mostElements)
                throw eLogoException(erBadStructure, item);
            auto element
                = [&](size_t index) { return index < elements.size() ? elements[index] : nullptr; };
            MenuEntry entry { .caption = widgetText(elements[captionIndex]->printForm(false)) };
            entry.id = static_cast<int32_t>(m_values.size());
            m_values.emplace_back(element(valueIndex) ? element(valueIndex) : elements[0]);
            if (tlogoobject* submenu = element(submenuIndex)) {
                if (depth == deepestSubmenu)
                    throw eLogoException(erBadStructure, submenu);
                entry.submenu = readItems(submenu, depth + 1);
            }
            if (tlogoobject* options = element(optionsIndex))
                readOptions(entry, options);
            return entry;
        }

        std::vector<ValueRef> m_values;
    };

} // namespace

MenuList readMenuList(tlogoobject* list)
{
    MenuReader reader;
    std::vector<MenuEntry> entries = reader.readItems(list, 0);
    return reader.finish(std::move(entries));
}

} // namespace velmora
