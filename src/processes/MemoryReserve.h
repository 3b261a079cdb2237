// MemoryReserve: address space set aside so that running out of memory can be reported and
// recovered from.
//
// A process that runs out of memory reports error 0, and the report needs memory itself: the
// message, its conversion, the error line; so do the next commands, the one that frees memory
// among them. So whoever catches the failed allocation spends the reserve (it is unmapped, and the
// allocations that follow find that room), and the reserve is taken again at the start of a later
// step of any process, once there is room for it twice over: taking it must not leave the program
// as short of memory as it was.
//
// Locking: its own lock; taken under the interpreter lock or without it, nothing taken under it.
#pragma once

#include <mutex>

namespace velmora {

class MemoryReserve {
public:
    static MemoryReserve& instance();

    // Takes the reserve when it is not held and memory allows.
    void replenish();
    // Gives the reserve up: an allocation failed.
    void spend();

private:
    MemoryReserve() = default;

    std::mutex m_mutex;
    void* m_block = nullptr;
};

} // namespace velmora
