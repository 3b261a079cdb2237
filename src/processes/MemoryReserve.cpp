#include "processes/MemoryReserve.h"

#include <sys/mman.h>

namespace velmora {

namespace {

    // A report needs a few kilobytes; but once a thread's own heap cannot grow, the C library maps
    // room for its main heap a megabyte at a time, so the reserve leaves room for a few of those.
    constexpr size_t reserveSize = size_t(4) << 20;

} // namespace

MemoryReserve& MemoryReserve::instance()
{
    // Never destroyed: a process may report while the program ends.
    static auto* reserve = new MemoryReserve;
    return *reserve;
}

// Mapped, not allocated: unmapping gives the address space back exactly, with no effect on how
// the allocator serves anything else. Twice the size is mapped to see that there is room to spare,
// and the second half given back at once.
void MemoryReserve::replenish()
{
    std::lock_guard guard(m_mutex);
    if (m_block)
        return;
    void* block = mmap(nullptr, 2 * reserveSize, PROT_NONE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (block == MAP_FAILED)
        return;
    munmap(static_cast<char*>(block) + reserveSize, reserveSize);
    m_block = block;
}

void MemoryReserve::spend()
{
    std::lock_guard guard(m_mutex);
    if (m_block)
        munmap(m_block, reserveSize);
    m_block = nullptr;
}

} // namespace velmora
