// Sizing the kernel's futex table for many threads.
//
// Every thread blocked on a lock or a condition waits in a chain of the kernel's futex table, and
// waking one walks its chain. Linux 6.16 and later give each program a table of its own, sized for
// about as many threads as there are CPUs (16 chains on a small machine); but every Logo process is
// a thread that spends most of its time waiting, so with thousands of processes every wake-up and
// every hand-over of the interpreter lock walked hundreds of entries, and launching the thousandth
// process cost several times what the first did. The console runner grows the table with its
// threads instead.
#pragma once

#include <cstddef>

namespace velmora {

// Makes the calling program's futex table large enough for `threads` waiting threads. Does nothing
// where the system has no such table or will not resize it.
void sizeFutexTableFor(size_t threads);

} // namespace velmora
