// ResolutionStamp: a counter that moves whenever what a procedure name resolves to may change.
//
// It advances when an entry of a table that may hold procedures is added, replaced or removed,
// and when an object goes (another may later take its address). A name resolved for an object
// can be trusted again, without a lookup, while the object and the stamp are the same.
#pragma once

#include <atomic>
#include <cstdint>

namespace velmora {

class ResolutionStamp {
public:
    static uint64_t current() { return s_value.load(std::memory_order_relaxed); }
    static void advance() { s_value.fetch_add(1, std::memory_order_relaxed); }

private:
    static inline std::atomic<uint64_t> s_value { 1 };
};

} // namespace velmora
