#include "core/Clipboard.h"

#include "localization/LanguageDictionary.h"
#include "localization/NameComparison.h"
#include "values/LogoObject.h"

namespace velmora {

namespace {
    Iclipboard* installed = nullptr;
}

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
    static MemoryClipboard clipboard;
    return clipboard;
}

Iclipboard& clipboard() { return installed ? *installed : memoryClipboard(); }

void installClipboard(Iclipboard* implementation) { installed = implementation; }

bool namesClipboard(tlogoobject* name)
{
    if (!name->isWord())
        return false;
    const std::string& text = name->text();
    return currentNameComparison().equal(text, "clipboard")
        || languageDictionary().isSynonymInSection("other", "clipboard", text);
}

} // namespace velmora
