// PlatformService: the slot through which the engine reaches one platform service, and the one
// rule for swapping what fills it.
//
// The services are the main-thread call facility (MainThreadCall.h), the clipboard
// (core/Clipboard.h) and the key buffer (core/KeyBuffer.h). For each, the engine owns a default
// that is made on first use and never destroyed, so that a thread ending while the program exits
// still finds it: the direct call (the caller is taken to be the main thread), the in-memory
// clipboard, the in-memory key buffer. The console runner, the player and tests install their own
// implementation with `install`, which returns the installation: the installer owns the
// implementation and keeps it alive while the installation lasts, and the service it replaced
// comes back when the installation ends. Services are swapped only while no Logo process runs
// (before the first starts and after the last has ended), so processes read a slot without a lock.
#pragma once

#include <utility>

namespace velmora {

template <typename Service> class PlatformService {
public:
    explicit PlatformService(Service& engineDefault)
        : m_current(&engineDefault)
    {
    }
    PlatformService(const PlatformService&) = delete;
    PlatformService& operator=(const PlatformService&) = delete;

    Service& get() const { return *m_current; }

    class Installation {
    public:
        Installation(PlatformService& slot, Service& service)
            : m_slot(slot)
            , m_replaced(std::exchange(slot.m_current, &service))
        {
        }
        ~Installation() { m_slot.m_current = m_replaced; }
        Installation(const Installation&) = delete;
        Installation& operator=(const Installation&) = delete;

    private:
        PlatformService& m_slot;
        Service* m_replaced;
    };

    [[nodiscard]] Installation install(Service& service) { return Installation(*this, service); }

private:
    Service* m_current;
};

} // namespace velmora
