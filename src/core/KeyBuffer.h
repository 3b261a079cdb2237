// IkeyBuffer: the keys typed into the main window, as "key", "readkey", "readchar", "key?" and
// "lastkey" see them.
//
// The window layer implements the interface over its keyboard handling; the in-memory buffer
// below serves the console runner and tests, which feed it keys from any thread. A headless
// buffer that nobody has connected a feeder to can never receive a key, so waiting on it empty
// would wait for ever: the key primitives report that as an error instead (see `canReceiveKeys`).
//
// Locking: the in-memory buffer has its own lock, taken after the interpreter lock or without it;
// `waitForKey` is called with the interpreter lock released. A waiting process registers
// `wakeWaiters` to be called when it is told to stop (processes/StopWake.h).
#pragma once

#include "processes/PlatformService.h"

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <optional>
#include <string>

namespace velmora {

struct KeyPress {
    // A character key (codes 9, 13, 32 to 255): its code; a special key: -1.
    int32_t character = -1;
    // A special key: its key number (13 Enter, 9 Tab as on the keyboard's virtual keys).
    int32_t keyNumber = 0;
    // The key's name as "key" and "lastkey" output it.
    std::string name;
};

class IkeyBuffer {
public:
    virtual ~IkeyBuffer() = default;
    virtual bool keyWaiting() = 0;
    // The oldest waiting key, taken from the buffer; none when the buffer is empty.
    virtual std::optional<KeyPress> takeKey() = 0;
    virtual void clear() = 0;
    // The name of the last key typed; empty before the first.
    virtual std::string lastKeyName() = 0;
    // Whether a key can still arrive at all.
    virtual bool canReceiveKeys() = 0;
    // Blocks until a key is waiting, no key can arrive any more, or `stopped` holds. `stopped` is
    // looked at under the lock that `wakeWaiters` takes. Never called with the interpreter lock
    // held.
    virtual void waitForKey(const std::function<bool()>& stopped) = 0;
    // Makes every waiting thread look at its `stopped` again; from any thread.
    virtual void wakeWaiters() = 0;
};

class MemoryKeyBuffer final : public IkeyBuffer {
public:
    bool keyWaiting() override;
    std::optional<KeyPress> takeKey() override;
    void clear() override;
    std::string lastKeyName() override;
    bool canReceiveKeys() override;
    void waitForKey(const std::function<bool()>& stopped) override;
    void wakeWaiters() override;

    // Adds a typed key; from any thread.
    void feed(KeyPress key);
    // Whether something (a test, a console reader) will feed keys while a process waits; waiters
    // learn when it disconnects.
    void setFeederConnected(bool connected);
    // Empties the buffer, forgets the last key and disconnects the feeder.
    void reset();

private:
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::deque<KeyPress> m_keys;
    std::string m_lastName;
    bool m_feederConnected = false;
};

// The installed key buffer; the process-wide in-memory one unless another is installed
// (PlatformService.h).
IkeyBuffer& keyBuffer();
MemoryKeyBuffer& memoryKeyBuffer();
PlatformService<IkeyBuffer>& keyBufferService();

} // namespace velmora
