// Iclipboard: the clipboard as the engine reaches it, the only text "file" of the player.
//
// The engine declares the interface; the window layer implements it over the system clipboard
// (reaching it through the main-thread call facility) and the in-memory implementation below
// serves the console runner and tests. Text is 8-bit in the language's code page; converting to
// and from the system's text is the implementation's business.
//
// Called from Logo processes under the interpreter lock; the in-memory clipboard also takes its
// own lock so that a test may look at it from another thread.
#pragma once

#include "processes/PlatformService.h"

#include <mutex>
#include <optional>
#include <string>

namespace velmora {

class Iclipboard {
public:
    virtual ~Iclipboard() = default;
    // The plain text on the clipboard; none when it holds no text.
    virtual std::optional<std::string> text() = 0;
    // Replaces the clipboard's content by the text.
    virtual void setText(std::string text) = 0;
};

class MemoryClipboard final : public Iclipboard {
public:
    std::optional<std::string> text() override;
    void setText(std::string text) override;
    // Empties the clipboard: it then holds no text at all.
    void clear();

private:
    std::mutex m_mutex;
    std::optional<std::string> m_text;
};

// The installed clipboard; the process-wide in-memory one unless another is installed
// (PlatformService.h).
Iclipboard& clipboard();
MemoryClipboard& memoryClipboard();
PlatformService<Iclipboard>& clipboardService();

class tlogoobject;
// Whether a file name input names the clipboard: "clipboard" in any letter case, or the
// language's word for it.
bool namesClipboard(tlogoobject* name);

} // namespace velmora
