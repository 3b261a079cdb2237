#include "core/KeyBuffer.h"

namespace velmora {

bool MemoryKeyBuffer::keyWaiting()
{
    std::lock_guard lock(m_mutex);
    return !m_keys.empty();
}

std::optional<KeyPress> MemoryKeyBuffer::takeKey()
{
    std::lock_guard lock(m_mutex);
    if (m_keys.empty())
        return std::nullopt;
    KeyPress key = std::move(m_keys.front());
    m_keys.pop_front();
    return key;
}

void MemoryKeyBuffer::clear()
{
    std::lock_guard lock(m_mutex);
    m_keys.clear();
}

std::string MemoryKeyBuffer::lastKeyName()
{
    std::lock_guard lock(m_mutex);
    return m_lastName;
}

bool MemoryKeyBuffer::canReceiveKeys()
{
    std::lock_guard lock(m_mutex);
    return m_feederConnected || !m_keys.empty();
}

void MemoryKeyBuffer::waitForKey(const std::function<bool()>& stopped)
{
    std::unique_lock lock(m_mutex);
    m_changed.wait(lock, [&] { return !m_keys.empty() || !m_feederConnected || stopped(); });
}

void MemoryKeyBuffer::wakeWaiters()
{
    std::lock_guard lock(m_mutex);
    m_changed.notify_all();
}

void MemoryKeyBuffer::feed(KeyPress key)
{
    {
        std::lock_guard lock(m_mutex);
        m_lastName = key.name;
        m_keys.push_back(std::move(key));
    }
    m_changed.notify_all();
}

void MemoryKeyBuffer::setFeederConnected(bool connected)
{
    {
        std::lock_guard lock(m_mutex);
        m_feederConnected = connected;
    }
    m_changed.notify_all();
}

void MemoryKeyBuffer::reset()
{
    {
        std::lock_guard lock(m_mutex);
        m_keys.clear();
        m_lastName.clear();
        m_feederConnected = false;
    }
    m_changed.notify_all();
}

MemoryKeyBuffer& memoryKeyBuffer()
{
    // Never destroyed, as every service's default.
    static auto* buffer = new MemoryKeyBuffer;
    return *buffer;
}

PlatformService<IkeyBuffer>& keyBufferService()
{
    static auto* service = new PlatformService<IkeyBuffer>(memoryKeyBuffer());
    return *service;
}

IkeyBuffer& keyBuffer() { return keyBufferService().get(); }

} // namespace velmora
