#include "startup/FutexTable.h"

#include <bit>
#include <sys/prctl.h>

#ifndef PR_FUTEX_HASH
#define PR_FUTEX_HASH 78
#define PR_FUTEX_HASH_SET_SLOTS 1
#endif

namespace velmora {

// Four chains per thread, as the kernel itself allows per CPU.
void sizeFutexTableFor(size_t threads)
{
#ifdef __linux__
    prctl(PR_FUTEX_HASH, PR_FUTEX_HASH_SET_SLOTS, std::bit_ceil(4 * threads), 0, 0);
#endif
}

} // namespace velmora
