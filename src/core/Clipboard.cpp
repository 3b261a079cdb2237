#include "core/Clipboard.h"

#include "localization/LanguageDictionary.h"
#include "localization/NameComparison.h"
#include "values/LogoObject.h"

namespace velmora {

std::optional<std::string> MemoryClipboard::text()
{
    std::lock_guard lock(m_mutex);
    return m_text;
}

void MemoryClipboard::setText(std::string text)
{
    std::lock_guard lock(m_mutex);
    m_text = std::move(text);
}

void MemoryClipboard::clear()
{
    std::lock_guard lock(m_mutex);
    m_text.reset();
}

MemoryClipboard& memoryClipboard()
{
    // Never destroyed, as every service's default.
    static auto* clipboard = new MemoryClipboard;
    return *clipboard;
}

PlatformService<Iclipboard>& clipboardService()
{
    static auto* service = new PlatformService<Iclipboard>(memoryClipboard());
    return *service;
}

Iclipboard& clipboard() { return clipboardService().get(); }

bool namesClipboard(tlogoobject* name)
{
    if (!name->isWord())
        return false;
    const std::string& text = name->text();
    return currentNameComparison().equal(text, "clipboard")
        || languageDictionary().isSynonymInSection("other", "clipboard", text);
}

} // namespace velmora
