// Keeping the console runner's threads on one CPU.
//
// Logo processes take turns under the interpreter lock, and the console thread only hands them
// lines and waits, so a console session never runs two threads at once to any purpose. Spread
// over CPUs, though, every turn wakes another processor: tens of microseconds on a desktop, close
// to a millisecond on a virtual machine, where it was most of the start-up of a short program.
// On one CPU a turn is a plain switch between threads. The price: the session cannot move when
// other work loads that CPU.
#pragma once

namespace velmora {

// Binds the calling thread, and so every thread it starts afterwards, to the CPU it runs on.
// Does nothing where the system cannot tell or cannot bind.
void keepThreadsOnThisCpu();

} // namespace velmora
