#include "values/NativeStack.h"

#include "values/Errors.h"

#include <algorithm>
#include <pthread.h>

#if defined(__SANITIZE_ADDRESS__)
#define VELMORA_ADDRESS_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define VELMORA_ADDRESS_SANITIZER 1
#endif
#endif

namespace velmora {

namespace {

    // AddressSanitizer clears the poisoning of the frames an exception leaves only while less than
    // 64 MB of the stack is in use; from deeper it leaves stale poisoning behind, and later
    // accesses to those addresses are reported falsely (and fail its own checks). Under it the
    // guard counts no more than this much of a thread's stack as usable, so that error 195 is
    // raised where it can still be unwound.
#ifdef VELMORA_ADDRESS_SANITIZER
    constexpr size_t usableStack = size_t(60) << 20;
#else
    constexpr size_t usableStack = ~size_t(0);
#endif

} // namespace

void NativeStack::learnBoundsOfThisThread()
{
    if (t_limit)
        return;
    pthread_attr_t attributes;
    if (pthread_getattr_np(pthread_self(), &attributes) != 0)
        return;
    void* lowest = nullptr;
    size_t size = 0;
    if (pthread_attr_getstack(&attributes, &lowest, &size) == 0 && size > 2 * safetyMargin)
        t_limit = static_cast<char*>(lowest) + safetyMargin + (size - std::min(size, usableStack));
    pthread_attr_destroy(&attributes);
}

void NativeStack::overflow() { throw eLogoException(erStackOverflow); }

} // namespace velmora
