#include "startup/OneCpu.h"

#include <sched.h>

namespace velmora {

void keepThreadsOnThisCpu()
{
#ifdef __linux__
    const int cpu = sched_getcpu();
    if (cpu < 0 || cpu >= CPU_SETSIZE)
        return;
    cpu_set_t only;
    CPU_ZERO(&only);
    CPU_SET(cpu, &only);
    sched_setaffinity(0, sizeof only, &only);
#endif
}

} // namespace velmora
