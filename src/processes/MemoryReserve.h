// MemoryReserve: address space set aside so that running out of memory can still be reported.
//
// A process that runs out of memory reports error 0, and the report itself needs memory: the
// message, its conversion, the error line. So whoever catches the failed allocation spends the
// reserve for the report (it is unmapped, and the report's allocations find that room), and the
// reserve is taken again at the start of the next step of any process, once memory allows.
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

    // Spends the reserve for a scope: the report of running out of memory.
    class Spent {
    public:
        Spent() { MemoryReserve::instance().spend(); }
        ~Spent() { MemoryReserve::instance().replenish(); }
        Spent(const Spent&) = delete;
        Spent& operator=(const Spent&) = delete;
    };

private:
    MemoryReserve() = default;
    void spend();

    std::mutex m_mutex;
    void* m_block = nullptr;
};

} // namespace velmora
